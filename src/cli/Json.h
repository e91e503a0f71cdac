#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corbel::cli {

// A JSON value written as text as it is built; numbers are the shortest
// text that reads back to the same double.
class Json {
  public:
    static Json number(double value);
    static Json integer(long long value);
    static Json string(std::string_view text);
    static Json optionalString(const std::optional<std::string>& text);
    static Json null();
    static Json array(const std::vector<Json>& items);
    static Json numbers(const std::vector<double>& values);

    // An object in the order the members are added.
    class Object {
      public:
        Object& add(std::string_view key, const Json& value);
        std::string text() const { return "{" + body_ + "}"; }

      private:
        std::string body_;
    };

    const std::string& text() const { return text_; }

  private:
    explicit Json(std::string text) : text_(std::move(text)) {}
    std::string text_;
};

}  // namespace corbel::cli
