#include "ui/pictures/jpeg_memory_source.h"

#include <algorithm>
#include <cstring>

namespace pictures {

namespace {

JpegMemorySource& sourceOf(j_decompress_ptr cinfo) {
  return *reinterpret_cast<JpegMemorySource*>(cinfo->src);
}

void initSource(j_decompress_ptr) {}

boolean fillInputBuffer(j_decompress_ptr cinfo) {
  JpegMemorySource& src = sourceOf(cinfo);
  const std::size_t left = src.data.size() - src.position;
  if (left == 0) {
    src.buffer[0] = 0xFF;
    src.buffer[1] = JPEG_EOI;
    src.manager.next_input_byte = src.buffer;
    src.manager.bytes_in_buffer = 2;
    src.endSupplied = true;
    return TRUE;
  }
  const std::size_t count = std::min(left, JpegMemorySource::kBufferSize);
  std::memcpy(src.buffer, src.data.data() + src.position, count);
  src.position += count;
  src.manager.next_input_byte = src.buffer;
  src.manager.bytes_in_buffer = count;
  return TRUE;
}

void skipInputData(j_decompress_ptr cinfo, long count) {
  if (count <= 0) return;
  JpegMemorySource& src = sourceOf(cinfo);
  auto remaining = static_cast<std::size_t>(count);
  if (remaining <= src.manager.bytes_in_buffer) {
    src.manager.next_input_byte += remaining;
    src.manager.bytes_in_buffer -= remaining;
    return;
  }
  // Skip the rest of the buffer and then whole stretches of the data without
  // copying them; a skip past the end leaves the next read to make up the end.
  remaining -= src.manager.bytes_in_buffer;
  src.position += std::min(remaining, src.data.size() - src.position);
  src.manager.next_input_byte = src.buffer;
  src.manager.bytes_in_buffer = 0;
}

void termSource(j_decompress_ptr) {}

}  // namespace

void useMemorySource(j_decompress_ptr cinfo, JpegMemorySource& source, std::span<const std::uint8_t> data) {
  source.data = data;
  source.position = 0;
  source.endSupplied = false;
  source.manager.init_source = initSource;
  source.manager.fill_input_buffer = fillInputBuffer;
  source.manager.skip_input_data = skipInputData;
  source.manager.resync_to_restart = jpeg_resync_to_restart;
  source.manager.term_source = termSource;
  source.manager.next_input_byte = nullptr;
  source.manager.bytes_in_buffer = 0;
  cinfo->src = &source.manager;
}

}  // namespace pictures
