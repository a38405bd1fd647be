// The bare loop as a whole command, timed like orvex-grid and gdal_translate.
#include <cstdio>

#include "bare_loop.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: bench_bare_loop GRID\n", stderr);
    return 2;
  }
  std::int64_t sum = 0;
  const std::int64_t count = orvex::bench::BareLoop(argv[1], sum);
  std::printf("%lld values, sum %lld\n", static_cast<long long>(count), static_cast<long long>(sum));
  return count > 0 ? 0 : 1;
}
