#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace otthon::sim {

// Writes the little JSON the controller needs: nested arrays of texts and nulls.
class JsonWriter {
public:
    void beginArray();
    void endArray();
    void text(std::string_view value);
    void null();

    const std::string& result() const { return out_; }

private:
    void beforeValue();

    std::string out_;
    std::vector<bool> empty_; // per open array: nothing written into it yet
};

// `value` as a JSON string literal, quotes included. UTF-8 passes through unchanged.
std::string jsonString(std::string_view value);

} // namespace otthon::sim
