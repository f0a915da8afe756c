// The template format: one statement per line, '#' starts a comment line.
// A statement is a keyword followed by words, quoted texts and key=value
// pairs; quoted texts are UTF-8 with the escapes \r \n \" \\.
#include <algorithm>
#include <charconv>
#include <map>

#include "common/utf8_to_gbk.h"
#include "window_template.h"

namespace {

struct Token {
    std::string key;    // the word, or the part before '='
    std::string value;  // the part after '=', or the text of a quoted token
    bool pair = false;
    bool quoted = false;
};

using Tokens = std::vector<Token>;

// Reads a quoted text starting after its opening quote; advances `at` past the
// closing quote.
std::optional<std::string> quotedText(std::string_view line, std::size_t& at) {
    std::string text;
    while (at < line.size()) {
        const char c = line[at++];
        if (c == '"') {
            return text;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        if (at == line.size()) {
            return std::nullopt;
        }
        switch (line[at++]) {
            case 'r':
                text += '\r';
                break;
            case 'n':
                text += '\n';
                break;
            case '"':
                text += '"';
                break;
            case '\\':
                text += '\\';
                break;
            default:
                return std::nullopt;
        }
    }
    return std::nullopt;
}

// Reads the quoted text at `at` (its opening quote) into the token's value.
bool readQuoted(std::string_view line, std::size_t& at, Token& token) {
    ++at;
    auto text = quotedText(line, at);
    if (!text) {
        return false;
    }
    token.value = std::move(*text);
    token.quoted = true;
    return true;
}

std::optional<Tokens> tokenize(std::string_view line) {
    Tokens tokens;
    std::size_t at = 0;
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (true) {
        while (at < line.size() && isBlank(line[at])) {
            ++at;
        }
        if (at == line.size()) {
            return tokens;
        }
        Token token;
        if (line[at] == '"') {
            if (!readQuoted(line, at, token)) {
                return std::nullopt;
            }
        } else {
            while (at < line.size() && !isBlank(line[at]) && line[at] != '=' && line[at] != '"') {
                token.key += line[at++];
            }
            if (at < line.size() && line[at] == '=') {
                token.pair = true;
                if (++at < line.size() && line[at] == '"') {
                    if (!readQuoted(line, at, token)) {
                        return std::nullopt;
                    }
                } else {
                    while (at < line.size() && !isBlank(line[at]) && line[at] != '"') {
                        token.value += line[at++];
                    }
                }
            }
            if (token.key.empty()) {
                return std::nullopt;
            }
        }
        if (at < line.size() && !isBlank(line[at])) {
            return std::nullopt;  // tokens must be apart
        }
        tokens.push_back(std::move(token));
    }
}

// Comma-separated non-negative integers, exactly `count` of them.
std::optional<std::vector<int>> numbers(std::string_view text, std::size_t count) {
    std::vector<int> values;
    std::size_t at = 0;
    while (values.size() < count) {
        int value = 0;
        auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), value);
        if (error != std::errc() || value < 0 || value > 100000) {
            return std::nullopt;
        }
        values.push_back(value);
        at = static_cast<std::size_t>(end - text.data());
        if (values.size() < count) {
            if (at == text.size() || text[at] != ',') {
                return std::nullopt;
            }
            ++at;
        }
    }
    return at == text.size() ? std::optional(values) : std::nullopt;
}

const std::map<std::string, ControlKind, std::less<>> kKinds = {
    {"groupbox", ControlKind::GroupBox},
    {"listview", ControlKind::ListView},
    {"combobox", ControlKind::ComboBox},
    {"button", ControlKind::Button},
    {"spin", ControlKind::Spin},
    {"label", ControlKind::Label},
    {"translabel", ControlKind::TransparentLabel},
    {"browser", ControlKind::Browser},
    {"rollupmenu", ControlKind::RollupMenu},
};

class TemplateReader {
  public:
    std::optional<WindowTemplate> read(std::string_view data) {
        while (!data.empty()) {
            const std::size_t end = std::min(data.find('\n'), data.size());
            std::string_view line = data.substr(0, end);
            data.remove_prefix(std::min(end + 1, data.size()));
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            const std::size_t first = line.find_first_not_of(" \t");
            if (first == std::string_view::npos || line[first] == '#') {
                continue;
            }
            auto tokens = tokenize(line);
            if (!tokens || !statement(*tokens)) {
                return std::nullopt;
            }
        }
        if (!haveWindow_) {
            return std::nullopt;
        }
        return std::move(window_);
    }

  private:
    bool statement(const Tokens& tokens) {
        const Token& keyword = tokens[0];
        if (keyword.pair || keyword.quoted) {
            return false;
        }
        if (keyword.key == "window") {
            return windowStatement(tokens);
        }
        if (!haveWindow_) {
            return false;
        }
        if (keyword.key == "control") {
            return controlStatement(tokens);
        }
        if (keyword.key == "menu") {
            return menuStatement(tokens);
        }
        return listStatement(tokens);
    }

    bool isNameToken(const Token& token) const { return !token.pair && !token.quoted; }

    bool nameIsFree(const std::string& utf8Name) {
        const Text name = utf8ToGbk(utf8Name);
        return name != window_.name && !window_.control(name) && !menu(name);
    }

    MenuTemplate* menu(const Text& name) {
        auto found = std::find_if(window_.menus.begin(), window_.menus.end(),
                                  [&](const MenuTemplate& m) { return m.name == name; });
        return found == window_.menus.end() ? nullptr : &*found;
    }

    ControlTemplate* control(const Token& token) {
        auto found =
            std::find_if(window_.controls.begin(), window_.controls.end(),
                         [&](const ControlTemplate& c) { return c.name == utf8ToGbk(token.key); });
        return found == window_.controls.end() ? nullptr : &*found;
    }

    bool windowStatement(const Tokens& tokens) {
        if (haveWindow_ || tokens.size() != 4 || !isNameToken(tokens[1])) {
            return false;
        }
        window_.name = utf8ToGbk(tokens[1].key);
        bool haveTitle = false;
        bool haveSize = false;
        for (std::size_t i = 2; i < tokens.size(); ++i) {
            const Token& token = tokens[i];
            if (token.pair && token.quoted && token.key == "title") {
                window_.title = utf8ToGbk(token.value);
                haveTitle = true;
            } else if (token.pair && token.key == "size") {
                auto size = numbers(token.value, 2);
                if (!size || (*size)[0] == 0 || (*size)[1] == 0) {
                    return false;
                }
                window_.width = (*size)[0];
                window_.height = (*size)[1];
                haveSize = true;
            } else {
                return false;
            }
        }
        haveWindow_ = haveTitle && haveSize;
        return haveWindow_;
    }

    bool controlStatement(const Tokens& tokens) {
        if (tokens.size() < 5 || !isNameToken(tokens[1]) || !isNameToken(tokens[2]) ||
            !nameIsFree(tokens[1].key)) {
            return false;
        }
        auto kind = kKinds.find(tokens[2].key);
        if (kind == kKinds.end()) {
            return false;
        }
        ControlTemplate made;
        made.name = utf8ToGbk(tokens[1].key);
        made.kind = kind->second;
        bool haveParent = false;
        bool haveRect = false;
        for (std::size_t i = 3; i < tokens.size(); ++i) {
            if (!controlProperty(tokens[i], made, haveParent, haveRect)) {
                return false;
            }
        }
        if (!haveParent || !haveRect) {
            return false;
        }
        window_.controls.push_back(std::move(made));
        return true;
    }

    bool controlProperty(const Token& token, ControlTemplate& made, bool& haveParent,
                         bool& haveRect) {
        if (!token.pair) {
            if (token.quoted) {
                return false;
            }
            if (token.key == "tabstop") {
                made.tabStop = true;
            } else if (token.key == "disabled") {
                made.disabled = true;
            } else {
                return false;
            }
            return true;
        }
        if (token.key == "parent" && !token.quoted) {
            const Text parent = utf8ToGbk(token.value);
            const ControlTemplate* box = window_.control(parent);
            haveParent = parent == window_.name || (box && box->kind == ControlKind::GroupBox);
            made.parent = parent;
            return haveParent;
        }
        if (token.key == "rect" && !token.quoted) {
            auto rect = numbers(token.value, 4);
            if (!rect || (*rect)[2] == 0 || (*rect)[3] == 0) {
                return false;
            }
            made.left = (*rect)[0];
            made.top = (*rect)[1];
            made.width = (*rect)[2];
            made.height = (*rect)[3];
            haveRect = true;
            return true;
        }
        if (token.key == "color" && !token.quoted) {
            auto rgb = numbers(token.value, 3);
            if (!rgb || (*rgb)[0] > 255 || (*rgb)[1] > 255 || (*rgb)[2] > 255) {
                return false;
            }
            made.color = static_cast<std::uint32_t>((*rgb)[0] | (*rgb)[1] << 8 | (*rgb)[2] << 16);
            return true;
        }
        if (token.key == "text" && token.quoted) {
            made.text = utf8ToGbk(token.value);
            return true;
        }
        if (token.key == "address" && token.quoted && made.kind == ControlKind::Browser) {
            made.address = utf8ToGbk(token.value);
            return true;
        }
        return false;
    }

    bool menuStatement(const Tokens& tokens) {
        if (tokens.size() != 3 || !isNameToken(tokens[1]) || !tokens[2].quoted || tokens[2].pair ||
            !nameIsFree(tokens[1].key)) {
            return false;
        }
        window_.menus.push_back({utf8ToGbk(tokens[1].key), utf8ToGbk(tokens[2].value), {}});
        return true;
    }

    // column, item, group, entry and menuitem: add to an earlier control or menu.
    bool listStatement(const Tokens& tokens) {
        const std::string& keyword = tokens[0].key;
        const bool isColumn = keyword == "column";
        if (tokens.size() != (isColumn ? 4u : 3u) || !isNameToken(tokens[1]) || !tokens[2].quoted ||
            tokens[2].pair) {
            return false;
        }
        const Text caption = utf8ToGbk(tokens[2].value);
        if (keyword == "menuitem") {
            MenuTemplate* target = menu(utf8ToGbk(tokens[1].key));
            if (target) {
                target->items.push_back(caption);
            }
            return target != nullptr;
        }
        ControlTemplate* target = control(tokens[1]);
        if (!target) {
            return false;
        }
        if (isColumn && target->kind == ControlKind::ListView && isNameToken(tokens[3])) {
            auto width = numbers(tokens[3].key, 1);
            if (width) {
                target->columns.push_back({caption, (*width)[0]});
            }
            return width.has_value();
        }
        if (keyword == "item" && target->kind == ControlKind::ComboBox) {
            target->items.push_back(caption);
            return true;
        }
        if (keyword == "group" && target->kind == ControlKind::RollupMenu) {
            target->groups.push_back({caption, {}});
            return true;
        }
        if (keyword == "entry" && target->kind == ControlKind::RollupMenu &&
            !target->groups.empty()) {
            target->groups.back().entries.push_back(caption);
            return true;
        }
        return false;
    }

    WindowTemplate window_;
    bool haveWindow_ = false;
};

}  // namespace

const ControlTemplate* WindowTemplate::control(std::string_view controlName) const {
    auto found = std::find_if(controls.begin(), controls.end(),
                              [&](const ControlTemplate& c) { return c.name == controlName; });
    return found == controls.end() ? nullptr : &*found;
}

std::optional<WindowTemplate> parseWindowTemplate(std::string_view data) {
    return TemplateReader().read(data);
}
