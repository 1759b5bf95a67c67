// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/case_file.h"

#include "core/emissivity_catalogue.h"
#include "core/number_format.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <set>

namespace zav {

namespace {

using Type = CaseValueType;

std::string quoted(const std::string& text) { return "„" + text + "“"; }

bool isDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A text or a flag, a choice, an index that `entry` allows, or why not.
std::string refusal(const CaseKey& entry, const std::string& value) {
    switch (entry.type) {
    case Type::Text:
        return {};
    case Type::Flag:
        return value == "true" || value == "false" ? std::string() : "pole " + quoted(entry.key) + " musí byť true alebo false.";
    case Type::Choice: {
        if (entry.choice->find(value) < entry.choice->count)
            return {};
        std::string list;
        for (const ChoiceName& c : *entry.choice)
            list += (list.empty() ? "" : ", ") + std::string(c.name);
        return "pole " + quoted(entry.key) + " má neznámu hodnotu " + quoted(value) + "; možnosti: " + list + ".";
    }
    case Type::Index: {
        const std::string bounds = "pole " + quoted(entry.key) + " musí byť celé číslo od " +
                                   std::to_string(entry.minimum) + " do " + std::to_string(entry.maximum) + ".";
        const bool negative = !value.empty() && value[0] == '-';
        const std::string digits = negative ? value.substr(1) : value;
        if (!isDigits(digits) || digits.size() > 9)
            return bounds;
        const long number = std::stol(value);
        return number < entry.minimum || number > entry.maximum ? bounds : std::string();
    }
    }
    return {};
}

// The sections and lists of the table: the objects and arrays a case may hold, each array with
// its length.
struct Shape {
    std::set<std::string> objects;                 // "" (the whole case), "main", "fluid.linear" …
    std::map<std::string, std::size_t> arrays;     // "fluid.linear.dyn_viscosity" → 2
    std::map<std::string, const CaseKey*> leaves; // every key
};

const Shape& caseShape() {
    static const Shape shape = [] {
        Shape s;
        s.objects.insert("");
        for (const CaseKey& entry : caseKeys()) {
            const std::string& key = entry.key;
            s.leaves[key] = &entry;
            std::size_t dot = key.rfind('.');
            std::string parent = key.substr(0, dot);
            if (isDigits(key.substr(dot + 1))) {
                ++s.arrays[parent];
                dot = parent.rfind('.');
                parent = parent.substr(0, dot);
            }
            for (std::size_t at = parent.find('.'); at != std::string::npos; at = parent.find('.', at + 1))
                s.objects.insert(parent.substr(0, at));
            s.objects.insert(parent);
        }
        return s;
    }();
    return shape;
}

using Json = nlohmann::json;

// The length of a UTF-8 text as an input field counts it: in UTF-16 units.
std::size_t utf16Length(const std::string& text) {
    std::size_t length = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80)
            length += byte >= 0xF0 ? 2 : 1;
    }
    return length;
}


// Reads the document's values into the record by the table, refusing what the table does not hold.
class CaseReader {
public:
    CaseReader(CaseRecord& record, const std::string& name) : m_record(record), m_name(name) {}

    [[noreturn]] void damaged(const std::string& what) const {
        throw CaseFileError(CaseFileError::Reason::Damaged, "Súbor " + quoted(m_name) + " je poškodený: " + what);
    }

    void read(const Json& node, const std::string& path) {
        const Shape& shape = caseShape();
        if (const auto leaf = shape.leaves.find(path); leaf != shape.leaves.end()) {
            readValue(node, *leaf->second);
        } else if (const auto list = shape.arrays.find(path); list != shape.arrays.end()) {
            if (!node.is_array() || node.size() != list->second)
                damaged("pole " + quoted(path) + " musí byť zoznam " + std::to_string(list->second) + " textov.");
            for (std::size_t i = 0; i < node.size(); ++i)
                read(node[i], path + "." + std::to_string(i));
        } else if (shape.objects.count(path) > 0) {
            if (!node.is_object())
                damaged("pole " + quoted(path) + " musí byť objekt.");
            for (const auto& item : node.items()) {
                if (path.empty() && (item.key() == "format" || item.key() == "version"))
                    continue;
                const std::string key = path.empty() ? item.key() : path + "." + item.key();
                // One name a level: "main.t_body" at the top is no key of the format.
                if (item.key().empty() || item.key().find('.') != std::string::npos)
                    damaged("neznáme pole " + quoted(key) + ".");
                read(item.value(), key);
            }
        } else {
            damaged("neznáme pole " + quoted(path) + ".");
        }
    }

private:
    void readValue(const Json& node, const CaseKey& entry) {
        std::string value;
        switch (entry.type) {
        case Type::Text:
        case Type::Choice:
            if (!node.is_string())
                damaged("pole " + quoted(entry.key) + " musí byť text.");
            value = node.get<std::string>();
            // What an input field cannot hold is refused, not cut where the field would cut it.
            if (value.find('\0') != std::string::npos)
                damaged("pole " + quoted(entry.key) + " obsahuje znak NUL.");
            if (utf16Length(value) > kMaximumFieldLength)
                damaged("pole " + quoted(entry.key) + " je dlhšie ako " + std::to_string(kMaximumFieldLength) +
                        " znakov.");
            break;
        case Type::Flag:
            if (!node.is_boolean())
                damaged("pole " + quoted(entry.key) + " musí byť true alebo false.");
            value = node.get<bool>() ? "true" : "false";
            break;
        case Type::Index:
            if (!node.is_number_integer())
                damaged(refusal(entry, "x"));
            value = node.dump();
            break;
        }
        const std::string why = refusal(entry, value);
        if (!why.empty())
            damaged(why);
        m_record.set(entry.key, value);
    }

    CaseRecord& m_record;
    const std::string& m_name;
};

// The deepest nesting of arrays and objects in the bytes, counted outside strings: the parser
// recurses once per level.
std::size_t nesting(const std::string& bytes) {
    std::size_t depth = 0;
    std::size_t deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return deepest;
}

constexpr std::size_t kMaximumNesting = 16;

// The first key of `bytes` given twice in one object ("main" twice at the top), with the keys of
// the objects around it; empty when there is none. The parser itself would keep the last.
std::string repeatedKey(const std::string& bytes) {
    std::vector<std::set<std::string>> seen; // of each open object
    std::vector<std::string> lastKey;        // of each open object
    std::string repeated;
    const auto track = [&](int, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::object_start) {
            seen.emplace_back();
            lastKey.emplace_back();
        } else if (event == Json::parse_event_t::object_end && !seen.empty()) {
            seen.pop_back();
            lastKey.pop_back();
        } else if (event == Json::parse_event_t::key && !seen.empty()) {
            const std::string key = parsed.get<std::string>();
            lastKey.back() = key;
            if (!seen.back().insert(key).second && repeated.empty()) {
                for (std::size_t i = 1; i < lastKey.size(); ++i) // the top's keys name the sections
                    repeated += lastKey[i - 1] + ".";
                repeated += key;
            }
        }
        return true;
    };
    try {
        Json::parse(bytes, track);
    } catch (const Json::exception&) {
    }
    return repeated;
}

// A catalogue item sets its emissivity and locks the field, as choosing it does: a case with no
// emissivity takes the item's, a case with another is refused.
void settleCatalogueEmissivity(CaseRecord& record, const Json& document, const CaseReader& reader) {
    const int item = record.index("cooling.emissivity_material");
    if (!isCatalogueMaterial(item))
        return;
    const EmissivityEntry& entry = emissivityCatalogue[static_cast<std::size_t>(item)];
    const std::string text = formatGeneral(entry.emissivity);
    const std::string& given = record.text("cooling.emissivity");
    if (document.contains("cooling") && document.at("cooling").contains("emissivity")) {
        bool same = given == text;
        try {
            same = same || parseNumber(given) == entry.emissivity;
        } catch (const ConversionError&) {
        }
        if (!same)
            reader.damaged("emisivita " + quoted(given) + " (pole „cooling.emissivity“) nesúhlasí s položkou katalógu " +
                           entry.caption + " (pole „cooling.emissivity_material“).");
    }
    record.set("cooling.emissivity", text);
}

} // namespace

CaseRecord::CaseRecord() {
    for (const CaseKey& entry : caseKeys())
        m_values[entry.key] = entry.startValue;
}

const std::string& CaseRecord::text(const std::string& key) const {
    const auto found = m_values.find(key);
    if (found == m_values.end())
        throw std::out_of_range("unknown case key " + key);
    return found->second;
}

void CaseRecord::set(const std::string& key, const std::string& value) {
    const CaseKey& entry = caseKey(key);
    const std::string why = refusal(entry, value);
    if (!why.empty())
        throw std::invalid_argument(why);
    m_values[key] = value;
}

CaseRecord readCase(const std::string& bytes, const std::string& name) {
    const std::string notCase = "Súbor " + quoted(name) + " nie je zadanie programu ZAV.";
    // A file that names the format is a case, however damaged; any other is something else.
    const bool namesFormat = bytes.find("\"zav-case\"") != std::string::npos;
    const auto refuse = [&](const std::string& what) -> CaseFileError {
        if (!namesFormat)
            return CaseFileError(CaseFileError::Reason::NotCase, notCase);
        return CaseFileError(CaseFileError::Reason::Damaged, "Súbor " + quoted(name) + " je poškodený: " + what);
    };
    if (bytes.size() > kMaximumCaseBytes)
        throw CaseFileError(CaseFileError::Reason::Damaged, "Súbor " + quoted(name) + " " + inputTooLargeText());
    if (nesting(bytes) > kMaximumNesting)
        throw refuse("nie je platný JSON (príliš veľa vnorených úrovní).");
    // The parser would stop at a NUL byte and take what stood before it.
    if (const std::size_t nul = bytes.find('\0'); nul != std::string::npos)
        throw refuse("nie je platný JSON (bajt NUL na bajte " + std::to_string(nul) + ").");
    Json document;
    try {
        document = Json::parse(bytes);
    } catch (const Json::parse_error& e) {
        throw refuse("nie je platný JSON (chyba na bajte " + std::to_string(e.byte) + ").");
    } catch (const Json::exception&) {
        throw refuse("nie je platný JSON.");
    }
    if (!document.is_object() || !document.contains("format") || document.at("format") != "zav-case")
        throw CaseFileError(CaseFileError::Reason::NotCase, notCase);

    CaseRecord record;
    CaseReader reader(record, name);
    if (!document.contains("version"))
        reader.damaged("chýba pole „version“.");
    const Json& version = document.at("version");
    if (!version.is_number_integer())
        reader.damaged("pole „version“ musí byť celé číslo.");
    if (version.is_number_unsigned() ? version.get<std::uint64_t>() > static_cast<std::uint64_t>(kCaseVersion)
                                     : version.get<std::int64_t>() > kCaseVersion)
        throw CaseFileError(CaseFileError::Reason::Newer,
                            "Súbor " + quoted(name) + " je z novšej verzie programu (verzia " + version.dump() +
                                "); tento program otvára zadania verzie " + std::to_string(kCaseVersion) + ".");
    if (version.get<std::int64_t>() < 1)
        reader.damaged("neznáma verzia " + version.dump() + ".");
    if (const std::string key = repeatedKey(bytes); !key.empty())
        reader.damaged("pole " + quoted(key) + " je v súbore dvakrát.");
    reader.read(document, "");
    settleCatalogueEmissivity(record, document, reader);
    return record;
}

CaseRecord readCaseFile(const std::string& path, const std::string& name, InputKinds kinds,
                        const InterruptCheck& interrupted) {
    InputRead input = readInput(path, kinds, interrupted);
    const std::string file = "Súbor " + quoted(name);
    switch (input.problem) {
    case InputRead::Problem::None:
    case InputRead::Problem::TooLarge:
        return readCase(input.bytes, name);
    case InputRead::Problem::CannotOpen:
        throw CaseFileError(CaseFileError::Reason::CannotRead, file + " sa nepodarilo otvoriť.", input.errorNumber);
    case InputRead::Problem::NotRegular:
        throw CaseFileError(CaseFileError::Reason::CannotRead,
                            file + " sa nepodarilo otvoriť: nie je to obyčajný súbor (je to rúra, zariadenie alebo "
                                   "soket).",
                            ENODEV);
    case InputRead::Problem::Directory:
    case InputRead::Problem::CannotRead:
        break;
    }
    throw CaseFileError(CaseFileError::Reason::CannotRead, file + " sa nepodarilo prečítať.", input.errorNumber);
}

std::string writeCase(const CaseRecord& record) {
    nlohmann::ordered_json document;
    document["format"] = "zav-case";
    document["version"] = kCaseVersion;
    for (const CaseKey& entry : caseKeys()) {
        std::string pointer;
        const std::string& key = entry.key;
        for (std::size_t start = 0;;) {
            const std::size_t dot = key.find('.', start);
            pointer += "/" + key.substr(start, dot - start);
            if (dot == std::string::npos)
                break;
            start = dot + 1;
        }
        auto& slot = document[nlohmann::ordered_json::json_pointer(pointer)];
        const std::string& value = record.text(key);
        switch (entry.type) {
        case Type::Text:
        case Type::Choice:
            slot = value;
            break;
        case Type::Flag:
            slot = value == "true";
            break;
        case Type::Index:
            slot = std::stoi(value);
            break;
        }
    }
    // A text that is not valid UTF-8 (no input field can hold it) is written with U+FFFD.
    return document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

} // namespace zav
