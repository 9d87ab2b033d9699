#include "data/monster_name.h"

#include <string>
#include <vector>

namespace {

constexpr char SEPARATOR = '|';
// The feminine mark, the letter zhe in either case, as Windows-1251 bytes:
// this file is also built by a compiler that stores no other code page.
constexpr const char* FEMININE_MARKS[] = {"\xE6", "\xC6"};

enum Field { NOMINATIVE, ACCUSATIVE, INSTRUMENTAL, GENDER, FIELDS };

std::string trimmed(const std::string& field) {
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return field.substr(first, field.find_last_not_of(' ') - first + 1);
}

// The first FIELDS fields of the line, each trimmed; missing ones empty.
std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() < FIELDS) {
        const std::size_t end = line.find(SEPARATOR, start);
        fields.push_back(trimmed(line.substr(start, end - start)));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    fields.resize(FIELDS);
    return fields;
}

bool isFeminineMark(const std::string& field) {
    for (const char* mark : FEMININE_MARKS) {
        if (field == mark) {
            return true;
        }
    }
    return false;
}

}  // namespace

MonsterName parseMonsterName(const TextString& line) {
    MonsterName name;
    const std::string text(line.text());
    if (text.find(SEPARATOR) == std::string::npos) {
        name.nominative = line;
        name.accusative = line;
        name.instrumental = line;
        return name;
    }
    const std::vector<std::string> fields = fieldsOf(text);
    const std::string& nominative = fields[NOMINATIVE];
    name.nominative = nominative.c_str();
    name.accusative = (fields[ACCUSATIVE].empty() ? nominative : fields[ACCUSATIVE]).c_str();
    name.instrumentalGiven = !fields[INSTRUMENTAL].empty();
    name.instrumental = (name.instrumentalGiven ? fields[INSTRUMENTAL] : nominative).c_str();
    name.feminine = isFeminineMark(fields[GENDER]);
    return name;
}
