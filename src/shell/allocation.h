// The size of the most recent allocation that could not be had, for the
// fatal error report.
#pragma once

#include <cstddef>

size_t lastFailedAllocationSize();
