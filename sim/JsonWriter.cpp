#include "sim/JsonWriter.h"

namespace otthon::sim {

void JsonWriter::beginArray() {
    beforeValue();
    out_ += '[';
    empty_.push_back(true);
}

void JsonWriter::endArray() {
    out_ += ']';
    empty_.pop_back();
}

void JsonWriter::text(std::string_view value) {
    beforeValue();
    out_ += jsonString(value);
}

void JsonWriter::null() {
    beforeValue();
    out_ += "null";
}

void JsonWriter::beforeValue() {
    if (empty_.empty())
        return;
    if (!empty_.back())
        out_ += ',';
    empty_.back() = false;
}

std::string jsonString(std::string_view value) {
    static constexpr char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : value) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += hex[(c >> 4) & 0xf];
                out += hex[c & 0xf];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

} // namespace otthon::sim
