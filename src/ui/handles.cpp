#include "ui/handles.h"

namespace handles {
namespace {
std::atomic<long> live[static_cast<int>(Kind::Count)];
}

long liveCount(Kind kind) { return live[static_cast<int>(kind)].load(); }

long liveTotal() {
  long total = 0;
  for (auto& n : live) total += n.load();
  return total;
}

void noteAcquired(Kind kind) { ++live[static_cast<int>(kind)]; }
void noteReleased(Kind kind) { --live[static_cast<int>(kind)]; }

}  // namespace handles
