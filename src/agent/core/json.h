#pragma once
// The JSON texts the agent publishes: flat objects of numbers, booleans, strings and nested
// objects, written in one pass. Numbers are written in their shortest exact form (25, 25.5,
// -0.5); a value that is not finite is written as null.
#include <string>
#include <string_view>

namespace kestrova::agent {

// A quoted JSON string with the characters JSON requires escaped.
std::string JsonString(std::string_view text);
// The shortest text that reads back as the same double; null when not finite.
std::string JsonNumber(double value);

class JsonObject {
 public:
  JsonObject& Number(std::string_view key, double value);
  JsonObject& Bool(std::string_view key, bool value);
  JsonObject& String(std::string_view key, std::string_view value);
  JsonObject& Null(std::string_view key);
  // A value already written as JSON (a nested object or array).
  JsonObject& Raw(std::string_view key, std::string_view json);
  JsonObject& Object(std::string_view key, const JsonObject& object) { return Raw(key, object.Text()); }
  std::string Text() const { return text_ + "}"; }

 private:
  void Key(std::string_view key);
  std::string text_ = "{";
};

}  // namespace kestrova::agent
