#include "signature/key_file.h"

#include <exception>

#include "mdx00200/platform.h"
#include "signature/hex_text.h"

namespace mdx::ead {

namespace {

std::string Strip(const std::string& text) {
  size_t first = 0, last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return text.substr(first, last - first);
}

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace

bool ParseKeyFile(const std::string& text, KeyFile& key, std::string& error) {
  KeyFile read;
  size_t begin = 0;
  for (int number = 1; begin < text.size(); ++number) {
    size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    const std::string line = Strip(text.substr(begin, end - begin));
    begin = end + 1;
    if (line.empty() || line[0] == '#') continue;
    const std::string where = "line " + std::to_string(number) + ": ";
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
      error = where + "expected name=value";
      return false;
    }
    const std::string name = Strip(line.substr(0, equals));
    const std::string value = Strip(line.substr(equals + 1));
    std::string* slot = name == "modulus"            ? &read.modulus
                        : name == "private-exponent" ? &read.privateExponent
                        : name == "public-exponent"  ? &read.publicExponent
                                                     : nullptr;
    if (!slot) {
      error = where + "unknown name \"" + name + "\"";
      return false;
    }
    if (!slot->empty()) {
      error = where + name + " given twice";
      return false;
    }
    if (!IsHexText(value)) {
      error = where + name + " is not a hexadecimal number";
      return false;
    }
    *slot = Upper(value);
  }
  key = std::move(read);
  return true;
}

bool ReadKeyFile(const std::string& path, KeyFile& key, std::string& error) {
  std::string text;
  try {
    text = platform::ReadFile(path);
  } catch (const std::exception& e) {
    error = e.what();
    return false;
  }
  return ParseKeyFile(text, key, error);
}

}  // namespace mdx::ead
