#include "platform/web/frame_json.h"

#include <string>
#include <vector>

namespace {

const char* kindName(ScreenKind kind) {
    switch (kind) {
        case ScreenKind::Title:
            return "title";
        case ScreenKind::Story:
            return "story";
        case ScreenKind::Stranger:
            return "stranger";
        case ScreenKind::Town:
            return "town";
        case ScreenKind::Shop:
            return "shop";
        case ScreenKind::Hunt:
            return "hunt";
        case ScreenKind::Battle:
            return "battle";
        case ScreenKind::Seer:
            return "seer";
        case ScreenKind::Indian:
            return "indian";
        case ScreenKind::ExitConfirm:
            return "exit";
        case ScreenKind::None:
            break;
    }
    return "none";
}

void text(const std::string& value, std::string& out) {
    out += '"';
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            // A control character from a damaged data file.
            out += "\\u00";
            out += "0123456789abcdef"[byte >> 4];
            out += "0123456789abcdef"[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

void writeNumber(int value, std::string& out) {
    out += std::to_string(value);
}

void number(const char* name, int value, std::string& out) {
    text(name, out);
    out += ':';
    writeNumber(value, out);
    out += ',';
}

template <typename T, typename Write>
void list(const char* name, const std::vector<T>& values, Write write, std::string& out) {
    text(name, out);
    out += ":[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        out += i > 0 ? "," : "";
        write(values[i], out);
    }
    out += "],";
}

void textField(const char* name, const std::string& value, std::string& out) {
    text(name, out);
    out += ':';
    text(value, out);
    out += ',';
}

// An object's fields were each written with a comma after them.
void close(std::string& out, char end) {
    if (out.back() == ',') {
        out.back() = end;
    } else {
        out += end;
    }
}

}  // namespace

std::string frameJson(const FrameRecord& record) {
    std::string out = "{";
    textField("kind", kindName(record.kind), out);
    list("lines", record.lines, text, out);
    list(
        "actions", record.actions,
        [](const ActionRecord& action, std::string& to) { text(action.text, to); }, out);
    const MenuRecord& menu = record.menu;
    out += "\"menu\":{";
    number("column", menu.column, out);
    number("left", menu.left, out);
    number("right", menu.right, out);
    list("rows", menu.rows, writeNumber, out);
    list("choices", menu.choices, text, out);
    number("highlighted", menu.highlighted, out);
    number("capacity", MenuRecord::CAPACITY, out);
    close(out, '}');
    out += std::string(",\"over\":") + (record.over ? "true" : "false") + ',';
    list("news", record.spoken.news, text, out);
    close(out, '}');
    return out;
}
