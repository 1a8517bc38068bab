// The UTF-8 encoder and decoder on about 1 MiB of ASCII and of Cyrillic text,
// beside the references of the same run: memcpy of the UTF-8 bytes into a
// ready buffer, a copy of them into a new std::string (what any function that
// returns a new string pays at least), and iconv between UTF-16LE and UTF-8
// into a result reserved at its worst-case size, as our functions do.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <cstring>
#include <string>

#include "app/core/utf8_codec.h"

namespace au {
namespace {

constexpr std::size_t kTextBytes = 1 << 20;

struct Text {
  std::string utf8;
  std::u16string wide;
};

Text MakeText(std::string_view sentence) {
  Text text;
  while (text.utf8.size() + sentence.size() <= kTextBytes)
    text.utf8 += sentence;
  text.wide = DecodeUtf8ToWide(text.utf8);
  return text;
}

const Text& Ascii() {
  static const Text text =
      MakeText("The quick brown fox jumps over the lazy dog, 0123456789 times.\r\n");
  return text;
}

const Text& Cyrillic() {
  static const Text text = MakeText(
      "\xD0\xA1\xD1\x8A\xD0\xB5\xD1\x88\xD1\x8C \xD0\xB6\xD0\xB5 \xD0\xB5\xD1\x89\xD1\x91 "
      "\xD1\x8D\xD1\x82\xD0\xB8\xD1\x85 \xD0\xBC\xD1\x8F\xD0\xB3\xD0\xBA\xD0\xB8\xD1\x85 "
      "\xD1\x84\xD1\x80\xD0\xB0\xD0\xBD\xD1\x86\xD1\x83\xD0\xB7\xD1\x81\xD0\xBA\xD0\xB8\xD1\x85 "
      "\xD0\xB1\xD1\x83\xD0\xBB\xD0\xBE\xD0\xBA, \xD0\xB4\xD0\xB0 \xD0\xB2\xD1\x8B\xD0\xBF"
      "\xD0\xB5\xD0\xB9 \xD1\x87\xD0\xB0\xD1\x8E.\r\n");
  return text;
}

const Text& Pick(const benchmark::State& state) {
  return state.range(0) == 0 ? Ascii() : Cyrillic();
}

void Finish(benchmark::State& state, const Text& text) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.utf8.size()));
  state.SetLabel(state.range(0) == 0 ? "ascii" : "cyrillic");
}

void BM_Memcpy(benchmark::State& state) {
  const Text& text = Pick(state);
  std::string buffer(text.utf8.size(), '\0');
  for (auto _ : state) {
    std::memcpy(buffer.data(), text.utf8.data(), text.utf8.size());
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }
  Finish(state, text);
}

void BM_StringCopy(benchmark::State& state) {
  const Text& text = Pick(state);
  for (auto _ : state) {
    std::string copy(text.utf8);
    benchmark::DoNotOptimize(copy.data());
  }
  Finish(state, text);
}

void BM_Encode(benchmark::State& state) {
  const Text& text = Pick(state);
  for (auto _ : state) {
    std::string utf8 = EncodeWideToUtf8(text.wide);
    benchmark::DoNotOptimize(utf8.data());
  }
  Finish(state, text);
}

void BM_Decode(benchmark::State& state) {
  const Text& text = Pick(state);
  for (auto _ : state) {
    std::u16string wide = DecodeUtf8ToWide(text.utf8);
    benchmark::DoNotOptimize(wide.data());
  }
  Finish(state, text);
}

// iconv into a result of `worstCase` bytes, trimmed afterwards.
std::string RunIconv(iconv_t cd, std::string_view in, std::size_t worstCase) {
  std::string out(worstCase, '\0');
  char* inPtr = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  out.resize(out.size() - outLeft);
  return out;
}

void BM_IconvEncode(benchmark::State& state) {
  const Text& text = Pick(state);
  const iconv_t cd = iconv_open("UTF-8", "UTF-16LE");
  const std::string_view in(reinterpret_cast<const char*>(text.wide.data()), 2 * text.wide.size());
  for (auto _ : state) {
    std::string utf8 = RunIconv(cd, in, 3 * text.wide.size());
    benchmark::DoNotOptimize(utf8.data());
  }
  iconv_close(cd);
  Finish(state, text);
}

void BM_IconvDecode(benchmark::State& state) {
  const Text& text = Pick(state);
  const iconv_t cd = iconv_open("UTF-16LE", "UTF-8");
  for (auto _ : state) {
    std::string wide = RunIconv(cd, text.utf8, 2 * text.utf8.size());
    benchmark::DoNotOptimize(wide.data());
  }
  iconv_close(cd);
  Finish(state, text);
}

// Argument 0: ASCII text, 1: Cyrillic text.
BENCHMARK(BM_Memcpy)->Arg(0)->Arg(1);
BENCHMARK(BM_StringCopy)->Arg(0)->Arg(1);
BENCHMARK(BM_Encode)->Arg(0)->Arg(1);
BENCHMARK(BM_IconvEncode)->Arg(0)->Arg(1);
BENCHMARK(BM_Decode)->Arg(0)->Arg(1);
BENCHMARK(BM_IconvDecode)->Arg(0)->Arg(1);

}  // namespace
}  // namespace au
