// Throughput of the position decoders and of the receive framing.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "gps/aprs_packet.h"
#include "gps/nmea_sentence.h"
#include "gps/receive_buffer.h"

namespace {

constexpr std::array<const char*, 4> kSentences = {
    "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47",
    "$GPGGA,185244.000,4854.2575,N,00219.9816,E,1,05,1.7,124.4,M,47.3,M,,0000*56",
    "$GNGGA,091232.000,4813.0535,N,00824.8697,E,1,12,0.7,765.8,M,47.4,M,,0000*45",
    "$GPGGA,213121.000,4404.1295864,N,12118.8685453,W,2,07,1.2,1102.537,M,-20.300,M,,0000*5F",
};

constexpr std::array<const char*, 5> kPackets = {
    "N0CALL-9>APRS,WIDE2-1:\r\n!4903.50N/07201.75W-Test\r",
    "F5XYZ>APRS,F1ABC*,WIDE2:\r\n/092345z4850.12N/00220.34E>088/036/A=000120\r",
    "N0CALL>APRS:\r\n;LEADER   *092345z4903.50N/07201.75W>088/036\r",
    "OH2LCQ-10>APZMDR,WIDE3-2:\r\n!//zPHTfVv>!V_ Tero, Green Volvo 960, GGL-880\r",
    "OH7LZB-2>TQ4W2V,WIDE2-1:\r\n`c51!f?>/]\"3x}=\r",
};

void BM_DecodeSentence(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(orvex::DecodeSentence(kSentences[i++ % kSentences.size()]));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DecodeSentence);

void BM_DecodePacket(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(orvex::DecodePacket(kPackets[i++ % kPackets.size()]));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DecodePacket);

// A receiver's one-second burst (GGA among other sentences) read 64 bytes at a time.
void BM_ReceiveNmeaStream(benchmark::State& state) {
  std::string burst;
  for (const char* sentence : kSentences) {
    burst += "$GPRMC,185244.000,A,4854.2575,N,00219.9816,E,0.00,296.61,210706,,,A*6C\r\n";
    burst += std::string(sentence) + "\r\n";
  }
  std::string buffer;
  for (auto _ : state) {
    for (std::size_t at = 0; at < burst.size(); at += 64) {
      benchmark::DoNotOptimize(
          orvex::ReceiveMessages(buffer, orvex::kTrameNmea, std::string_view(burst).substr(at, 64)));
    }
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(burst.size()));
}
BENCHMARK(BM_ReceiveNmeaStream);

}  // namespace
