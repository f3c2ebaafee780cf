// The typed getters and setters of ConfigFile on arbitrary value texts: every
// value of the input read as a settings file, the whole input as one value,
// and a decimal number built from the input's last bytes, whose parts
// (leading zeros, digit runs, zeros after the point, exponent) are each up to
// hundreds of characters long, so that numbers far beyond the double range
// and far below it reach the getters as often as ordinary ones. What it
// checks, and why:
//  - Each getter gives what the C library's conversion gives for the text,
//    in the "C" locale: GetInt as strtol clamped to 32 bits, GetFloat as
//    strtod of the longest decimal number at the start (no hexadecimal, no
//    inf or nan, which the format does not know) narrowed to float, GetBool
//    true only for TRUE in any case, up to a zero byte as C texts compare.
//    The C library is a second, independent reading of the same rules, so a
//    disagreement is a fault of ours.
//  - A value that a setter writes reads back as the same value: ints, bools
//    and GUIDs exactly; floats to six decimals (as the format stores them)
//    and exactly once their text is written again, which must then not
//    change. Setters take the getters' results, so every int, any GUID and
//    floats of every size reach them, and raw bit patterns from the text
//    reach SetFloat and SetGuid too.
//  - Names match in any ASCII case: a value stored under lower-case names is
//    found under upper-case ones.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "FuzzSupport.h"
#include "config/ConfigFile.h"
#include "platform/Guid.h"

namespace {

EngineServices* s_services = nullptr;
constexpr std::size_t kMaxValuesPerFile = 16;

bool IsSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int32_t ReferenceInt(const std::string& text) {
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

// The longest decimal number at the start of the text (white space, sign,
// digits, point, digits, exponent), given to strtod alone, so that its
// hexadecimal, inf and nan forms never come into play.
float ReferenceFloat(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size() && IsSpace(text[at])) ++at;
  const std::size_t start = at;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  std::size_t digits = 0;
  while (at < text.size() && IsDigit(text[at])) ++at, ++digits;
  if (at < text.size() && text[at] == '.') {
    ++at;
    while (at < text.size() && IsDigit(text[at])) ++at, ++digits;
  }
  if (digits == 0) return 0.0f;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    if (exponent < text.size() && IsDigit(text[exponent])) {
      at = exponent;
      while (at < text.size() && IsDigit(text[at])) ++at;
    }
  }
  const std::string number = text.substr(start, at - start);
  // The narrowing rounds to nearest, to infinity beyond the float range.
  return static_cast<float>(std::strtod(number.c_str(), nullptr));
}

// Compared as a C text: up to the first zero byte.
bool ReferenceBool(const std::string& value) {
  const std::string text = value.substr(0, value.find('\0'));
  if (text.size() != 4) return false;
  for (std::size_t i = 0; i < 4; ++i) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != "TRUE"[i]) return false;
  }
  return true;
}

// Up to eight digits from the input, repeated up to 64 times.
std::string DigitRun(FuzzedDataProvider& input) {
  std::string digits;
  const auto count = input.ConsumeIntegralInRange<std::size_t>(0, 8);
  for (std::size_t i = 0; i < count; ++i) {
    digits += static_cast<char>('0' + input.ConsumeIntegral<std::uint8_t>() % 10);
  }
  std::string run;
  for (auto times = input.ConsumeIntegralInRange<std::size_t>(1, 64); times > 0; --times) {
    run += digits;
  }
  return run;
}

std::string NumberText(FuzzedDataProvider& input) {
  std::string text(input.ConsumeIntegralInRange<std::size_t>(0, 2), ' ');
  text += "\0+-"[input.ConsumeIntegralInRange<std::size_t>(0, 2)];
  if (text.back() == '\0') text.pop_back();
  text.append(input.ConsumeIntegralInRange<std::size_t>(0, 400), '0');
  text += DigitRun(input);
  if (input.ConsumeBool()) {
    text += '.';
    text.append(input.ConsumeIntegralInRange<std::size_t>(0, 400), '0');
    text += DigitRun(input);
  }
  if (input.ConsumeBool()) {
    text += input.ConsumeBool() ? 'e' : 'E';
    text += "\0+-"[input.ConsumeIntegralInRange<std::size_t>(0, 2)];
    if (text.back() == '\0') text.pop_back();
    text += std::to_string(input.ConsumeIntegralInRange<std::uint32_t>(0, 99999));
  }
  return text;
}

bool SameFloat(float a, float b) {
  return std::memcmp(&a, &b, sizeof a) == 0 || (a == b);
}

void CheckValue(const std::string& value, const std::string& raw_bits) {
  const String chapter = "values";
  ConfigFile config;
  config.SetString("text", chapter, value);
  FUZZ_CHECK(config.Exists("TEXT", "VALUES"));

  const int32_t number = config.GetInt("TEXT", "Values", 5);
  FUZZ_CHECK(number == ReferenceInt(value));
  const float real = config.GetFloat("Text", "VALUES", 5.0f);
  FUZZ_CHECK(SameFloat(real, ReferenceFloat(value)));
  const bool flag = config.GetBool("TEXT", "VALUES", true);
  FUZZ_CHECK(flag == ReferenceBool(value));
  const Guid guid = config.GetGuid("TEXT", "VALUES", Guid{1, 2, 3, {4}});

  config.SetInt("int", chapter, number);
  FUZZ_CHECK(config.GetInt("INT", "VALUES", ~number) == number);
  config.SetBool("bool", chapter, flag);
  FUZZ_CHECK(config.GetBool("BOOL", "VALUES", !flag) == flag);
  config.SetGuid("guid", chapter, guid);
  FUZZ_CHECK(config.GetGuid("GUID", "VALUES", Guid{}) == guid);

  // Floats from the text's number and from raw bits: a finite value comes
  // back to six decimals, exactly once stored again; the text then stays.
  float bits_value = 0.0f;
  Guid bits_guid;
  if (raw_bits.size() >= sizeof bits_value) std::memcpy(&bits_value, raw_bits.data(), 4);
  if (raw_bits.size() >= sizeof bits_guid) std::memcpy(&bits_guid, raw_bits.data(), 16);
  config.SetGuid("guid", chapter, bits_guid);
  FUZZ_CHECK(config.GetGuid("GUID", "VALUES", Guid{}) == bits_guid);
  for (const float original : {real, bits_value}) {
    config.SetFloat("float", chapter, original);
    const float back = config.GetFloat("FLOAT", "VALUES", 0.0f);
    if (!std::isfinite(original)) continue;
    FUZZ_CHECK(std::fabs(static_cast<double>(back) - original) <=
               5e-7 + std::fabs(static_cast<double>(original)) * 1e-7);
    if (std::fabs(original) >= 16.0f) FUZZ_CHECK(back == original);
    ConfigFile again;
    again.SetFloat("F", "C", back);
    const float settled = again.GetFloat("F", "C", 0.0f);
    FUZZ_CHECK(settled == back);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  s_services = new EngineServices();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  s_services->Reset();
  const std::string input(reinterpret_cast<const char*>(data), size);
  CheckValue(input, input);
  FuzzedDataProvider number(data, size);
  CheckValue(NumberText(number), input);

  static const std::string path = "values.ini";
  WriteWholeFile(path, input);
  ConfigFile file;
  ReadConfig(file, path);
  const ConfigContent content = ConfigContent::Of(file);
  // The first values are enough: a file of thousands of keys would only make
  // the run slow.
  std::size_t checked = 0;
  for (const auto& [chapter, keys] : content.m_chapters) {
    for (const auto& [key, value] : keys) {
      if (++checked > kMaxValuesPerFile) break;
      CheckValue(value, key + value);
    }
  }
  FUZZ_CHECK(s_services->Boxes() == 0);
  return 0;
}
