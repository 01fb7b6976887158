// Strict readers of the console report's csv and json, written apart from the
// writers so that a test reads back what a spreadsheet or a JSON parser would.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace vconfig::testing {

// RFC 4180: rows end in CR LF; quoted fields may hold commas, quotes ("") and breaks.
inline std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> row;
  std::string field;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '"') {
      for (++i;; ++i) {
        if (i >= text.size()) throw std::runtime_error("csv: open quote");
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
          } else {
            ++i;
            break;
          }
        } else {
          field += text[i];
        }
      }
    }
    if (i < text.size() && text[i] == ',') {
      row.push_back(field);
      field.clear();
      ++i;
    } else if (text.compare(i, 2, "\r\n") == 0) {
      row.push_back(field);
      rows.push_back(row);
      row.clear();
      field.clear();
      i += 2;
    } else if (i < text.size()) {
      if (text[i] == '"' || text[i] == '\r' || text[i] == '\n')
        throw std::runtime_error("csv: stray character");
      field += text[i++];
    }
  }
  if (!row.empty() || !field.empty()) throw std::runtime_error("csv: last row without CR LF");
  return rows;
}

struct JsonValue {
  enum Kind { Null, Text, Array, Object } kind = Null;
  std::string text;
  std::vector<JsonValue> array;
  std::map<std::string, JsonValue> object;
  const JsonValue& At(const std::string& key) const {
    const auto it = object.find(key);
    if (it == object.end()) throw std::runtime_error("json: no member " + key);
    return it->second;
  }
};

class JsonParser {
 public:
  explicit JsonParser(const std::string& text) : s_(text) {}
  JsonValue Document() {
    JsonValue v = Value();
    Space();
    if (i_ != s_.size()) throw std::runtime_error("json: text after the document");
    return v;
  }

 private:
  void Space() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t'))
      ++i_;
  }
  void Expect(char c) {
    Space();
    if (i_ >= s_.size() || s_[i_] != c)
      throw std::runtime_error(std::string("json: expected ") + c);
    ++i_;
  }
  bool Next(char c) {
    Space();
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }
  std::string String() {
    Expect('"');
    std::string out;
    while (true) {
      if (i_ >= s_.size()) throw std::runtime_error("json: open string");
      const char c = s_[i_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) throw std::runtime_error("json: control character");
      if (c != '\\') {
        out += c;
        continue;
      }
      const char e = s_.at(i_++);
      switch (e) {
        case '"':
        case '\\':
        case '/':
          out += e;
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'u': {
          const unsigned code = std::stoul(s_.substr(i_, 4), nullptr, 16);
          i_ += 4;
          if (code >= 0x80) throw std::runtime_error("json: only control characters are escaped");
          out += static_cast<char>(code);
          break;
        }
        default:
          throw std::runtime_error("json: bad escape");
      }
    }
  }
  JsonValue Value() {
    Space();
    JsonValue v;
    if (Next('{')) {
      v.kind = JsonValue::Object;
      if (Next('}')) return v;
      do {
        const std::string key = String();
        Expect(':');
        v.object[key] = Value();
      } while (Next(','));
      Expect('}');
    } else if (Next('[')) {
      v.kind = JsonValue::Array;
      if (Next(']')) return v;
      do v.array.push_back(Value());
      while (Next(','));
      Expect(']');
    } else {
      v.kind = JsonValue::Text;
      v.text = String();
    }
    return v;
  }
  const std::string& s_;
  size_t i_ = 0;
};

inline JsonValue ParseJson(const std::string& text) { return JsonParser(text).Document(); }

}  // namespace vconfig::testing
