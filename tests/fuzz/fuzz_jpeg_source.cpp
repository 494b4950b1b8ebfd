// The JPEG memory source driven by reads and skips in any order: every byte
// it hands out must be the data's next byte, or once the data is used up,
// part of a made-up end marker.
#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

#include "ui/pictures/jpeg_memory_source.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto operations = input.ConsumeIntegralInRange<int>(0, 32);
  std::vector<std::pair<bool, long>> steps;
  for (int i = 0; i < operations; ++i) {
    steps.emplace_back(input.ConsumeBool(), input.ConsumeIntegralInRange<long>(-5, 9000));
  }
  const std::vector<std::uint8_t> bytes = input.ConsumeRemainingBytes<std::uint8_t>();

  jpeg_decompress_struct cinfo{};
  pictures::JpegMemorySource source;
  pictures::useMemorySource(&cinfo, source, bytes);
  jpeg_source_mgr& manager = *cinfo.src;
  manager.init_source(&cinfo);
  std::size_t position = 0;  // in the data, as the reader sees it
  for (const auto& [read, count] : steps) {
    if (!read) {
      manager.skip_input_data(&cinfo, count);
      if (count > 0) position = std::min(position + static_cast<std::size_t>(count), bytes.size());
      continue;
    }
    for (long i = 0; i < count; ++i) {
      if (manager.bytes_in_buffer == 0 && !manager.fill_input_buffer(&cinfo)) __builtin_trap();
      if (manager.bytes_in_buffer == 0 || manager.bytes_in_buffer > pictures::JpegMemorySource::kBufferSize) __builtin_trap();
      const std::uint8_t byte = *manager.next_input_byte++;
      --manager.bytes_in_buffer;
      if (position < bytes.size()) {
        if (byte != bytes[position++]) __builtin_trap();
      } else if (byte != 0xFF && byte != JPEG_EOI) {
        __builtin_trap();
      }
    }
  }
  manager.term_source(&cinfo);
  return 0;
}
