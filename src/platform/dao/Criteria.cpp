#include "Criteria.h"

#include "DaoError.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace dao {

// ------------------------------------------------------------ comparison

namespace {

char foldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

int compareTexts(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(foldAscii(a[i]));
        const auto y = static_cast<unsigned char>(foldAscii(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

template <typename T> int sign(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

bool isNumberKind(ValueKind k)
{
    return k == ValueKind::Integer || k == ValueKind::Double || k == ValueKind::Boolean;
}

// A number, a Boolean (True -1) or a numeric text, as a Value of kind Integer
// or Double; nullopt for anything else.
std::optional<Value> asNumber(const Value& v)
{
    switch (v.kind()) {
    case ValueKind::Integer:
    case ValueKind::Double: return v;
    case ValueKind::Boolean: return Value(static_cast<long long>(v.toInt64()));
    case ValueKind::Text: {
        const std::string& s = std::get<std::string>(v.data());
        if (compareTexts(s, "True") == 0)
            return Value(-1);
        if (compareTexts(s, "False") == 0)
            return Value(0);
        auto n = numbertext::parse(s);
        if (!n)
            return std::nullopt;
        if (n->isWhole)
            return Value(static_cast<long long>(n->whole));
        return Value(n->value);
    }
    default: return std::nullopt;
    }
}

int compareNumbers(const Value& a, const Value& b)
{
    if (a.kind() == ValueKind::Integer && b.kind() == ValueKind::Integer)
        return sign(std::get<std::int64_t>(a.data()), std::get<std::int64_t>(b.data()));
    return sign(a.toDouble(), b.toDouble());
}

// A date as the engine's serial number (days since 1899-12-30 plus the time as
// a fraction), for a date compared with a number.
double dateSerial(const Date& d)
{
    return static_cast<double>(d.dayNumber() + 25569) + (d.hour * 3600 + d.minute * 60 + d.second) / 86400.0;
}

}  // namespace

// Numbers (and Booleans, and numeric texts beside a number) numerically;
// dates by date, a text beside a date read as a date when it is one; a date
// beside a number by its serial; everything else as texts. Comparing values
// that cannot be brought to one kind falls back to comparing their texts.
std::optional<int> compareValues(const Value& a, const Value& b)
{
    if (a.isNull() || b.isNull())
        return std::nullopt;
    const ValueKind ka = a.kind();
    const ValueKind kb = b.kind();

    if (ka == ValueKind::Date || kb == ValueKind::Date) {
        if (ka == ValueKind::Date && (kb == ValueKind::Integer || kb == ValueKind::Double))
            return sign(dateSerial(std::get<Date>(a.data())), b.toDouble());
        if (kb == ValueKind::Date && (ka == ValueKind::Integer || ka == ValueKind::Double))
            return sign(a.toDouble(), dateSerial(std::get<Date>(b.data())));
        auto da = a.toDate();
        auto db = b.toDate();
        if (da && db)
            return sign(*da, *db);
        return compareTexts(a.toText(), b.toText());
    }
    if (isNumberKind(ka) || isNumberKind(kb)) {
        auto na = asNumber(a);
        auto nb = asNumber(b);
        if (na && nb)
            return compareNumbers(*na, *nb);
        return compareTexts(a.toText(), b.toText());
    }
    return compareTexts(a.toText(), b.toText());
}

// ------------------------------------------------------------ Like

namespace {

// Invalid bytes read as U+FFFD, one each.
std::u32string decodeUtf8(std::string_view s)
{
    std::u32string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = -1;
        char32_t cp = 0;
        if (c < 0x80) {
            extra = 0;
            cp = c;
        } else if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        }
        bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < s.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((cc & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        out += cp;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

char32_t foldAscii32(char32_t c)
{
    return (c >= U'A' && c <= U'Z') ? c - U'A' + U'a' : c;
}

bool charMatches(char32_t p, char32_t c)
{
    if (p == U'?')
        return true;
    if (p == U'#')
        return c >= U'0' && c <= U'9';
    return foldAscii32(p) == foldAscii32(c);
}

// "*" any run (also empty), "?" one character, "#" one digit 0-9; letters
// A-Z match in either case. Works on characters, not bytes.
bool likeMatches(std::string_view textUtf8, std::string_view patternUtf8)
{
    const std::u32string text = decodeUtf8(textUtf8);
    const std::u32string pattern = decodeUtf8(patternUtf8);
    std::size_t t = 0;
    std::size_t p = 0;
    std::size_t starP = std::u32string::npos;
    std::size_t starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == U'*') {
            starP = p++;
            starT = t;
        } else if (p < pattern.size() && charMatches(pattern[p], text[t])) {
            ++p;
            ++t;
        } else if (starP != std::u32string::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*')
        ++p;
    return p == pattern.size();
}

}  // namespace

// ------------------------------------------------------------ parse tree

struct Criteria::Node {
    enum class Kind { And, Or, Not, Compare, Like, IsNull, Truth };
    enum class Op { Eq, Ne, Lt, Le, Gt, Ge };
    struct Operand {
        bool isField = false;
        std::string field;
        Value literal;
    };

    Kind kind = Kind::Truth;
    Op op = Op::Eq;
    bool negated = false;  // Not Like, Is Not Null
    // And, Or: every term of the run ("a And b And c" is one node, so a long
    // run never makes a deep tree); Not: its one term.
    std::vector<std::shared_ptr<const Node>> terms;
    Operand a, b;  // Compare, Like (a, b); IsNull, Truth (a)
};

namespace {

using Node = Criteria::Node;

// Three-valued result as in the engine: a comparison with a null is unknown,
// Not unknown is unknown, and only a true result is a match.
enum class Truth { False, True, Unknown };

Value readOperand(const Node::Operand& o, const Criteria::FieldReader& read)
{
    return o.isField ? read(o.field) : o.literal;
}

Truth fromBool(bool b)
{
    return b ? Truth::True : Truth::False;
}

Truth evaluate(const Node& n, const Criteria::FieldReader& read)
{
    switch (n.kind) {
    case Node::Kind::And: {
        Truth all = Truth::True;
        for (const auto& term : n.terms) {
            const Truth t = evaluate(*term, read);
            if (t == Truth::False)
                return Truth::False;
            if (t == Truth::Unknown)
                all = Truth::Unknown;
        }
        return all;
    }
    case Node::Kind::Or: {
        Truth any = Truth::False;
        for (const auto& term : n.terms) {
            const Truth t = evaluate(*term, read);
            if (t == Truth::True)
                return Truth::True;
            if (t == Truth::Unknown)
                any = Truth::Unknown;
        }
        return any;
    }
    case Node::Kind::Not: {
        const Truth t = evaluate(*n.terms.front(), read);
        if (t == Truth::Unknown)
            return t;
        return t == Truth::True ? Truth::False : Truth::True;
    }
    case Node::Kind::IsNull: return fromBool(readOperand(n.a, read).isNull() != n.negated);
    case Node::Kind::Compare: {
        const auto c = compareValues(readOperand(n.a, read), readOperand(n.b, read));
        if (!c)
            return Truth::Unknown;
        switch (n.op) {
        case Node::Op::Eq: return fromBool(*c == 0);
        case Node::Op::Ne: return fromBool(*c != 0);
        case Node::Op::Lt: return fromBool(*c < 0);
        case Node::Op::Le: return fromBool(*c <= 0);
        case Node::Op::Gt: return fromBool(*c > 0);
        case Node::Op::Ge: return fromBool(*c >= 0);
        }
        return Truth::Unknown;
    }
    case Node::Kind::Like: {
        const Value text = readOperand(n.a, read);
        const Value pattern = readOperand(n.b, read);
        if (text.isNull() || pattern.isNull())
            return Truth::Unknown;
        return fromBool(likeMatches(text.toText(), pattern.toText()) != n.negated);
    }
    case Node::Kind::Truth: {
        const Value v = readOperand(n.a, read);
        if (v.isNull())
            return Truth::Unknown;
        auto number = asNumber(v);
        if (!number)
            return Truth::Unknown;  // a text that is no truth value
        return fromBool(number->toDouble() != 0.0);
    }
    }
    return Truth::Unknown;
}

// ------------------------------------------------------------ lexer

enum class Tok { End, LParen, RParen, Op, Text, Number, DateLit, Name, Keyword };

struct Token {
    Tok type = Tok::End;
    std::size_t pos = 0;  // byte offset in the criteria text
    std::string text;     // name, keyword (upper case), operator or literal source
    Value value;          // Text, Number, DateLit
    Node::Op op = Node::Op::Eq;
};

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isOperatorChar(char c)
{
    return c == '=' || c == '<' || c == '>' || c == '!';
}
bool endsName(char c)
{
    return isSpace(c) || isOperatorChar(c) || c == '(' || c == ')' || c == '\'' || c == '"' || c == '#' || c == '['
        || c == ']';
}

std::string upperAscii(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

bool isKeyword(const std::string& upper)
{
    return upper == "AND" || upper == "OR" || upper == "NOT" || upper == "IS" || upper == "NULL" || upper == "LIKE"
        || upper == "TRUE" || upper == "FALSE";
}

class Lexer {
public:
    explicit Lexer(const std::string& text) : m_text(text) {}

    [[noreturn]] void fail(std::size_t pos, const std::string& reason) const
    {
        // Place as a character count, so it reads right for Japanese texts.
        // A long text is shown by its first 60 characters.
        std::size_t chars = 0;
        std::size_t total = 0;
        std::size_t shownEnd = m_text.size();
        for (std::size_t i = 0; i < m_text.size(); ++i) {
            if ((static_cast<unsigned char>(m_text[i]) & 0xC0) == 0x80)
                continue;
            if (i < pos)
                ++chars;
            if (total++ == 60)
                shownEnd = i;
        }
        const std::string shown = shownEnd < m_text.size() ? m_text.substr(0, shownEnd) + "…" : m_text;
        throw DaoError(DaoError::Code::Syntax,
                       "抽出条件「" + shown + "」の" + std::to_string(chars + 1) + "文字目を解釈できません: " + reason);
    }

    Token next()
    {
        while (m_pos < m_text.size() && isSpace(m_text[m_pos]))
            ++m_pos;
        Token t;
        t.pos = m_pos;
        if (m_pos >= m_text.size())
            return t;
        const char c = m_text[m_pos];
        if (c == '(') {
            ++m_pos;
            t.type = Tok::LParen;
            t.text = "(";
            return t;
        }
        if (c == ')') {
            ++m_pos;
            t.type = Tok::RParen;
            t.text = ")";
            return t;
        }
        if (isOperatorChar(c))
            return readOperator(t);
        if (c == '\'' || c == '"')
            return readQuoted(t, c);
        if (c == '#')
            return readDate(t);
        if (c == '[')
            return readBracketName(t);
        if (c == ']')
            fail(m_pos, "対応する [ のない ] があります。");
        if (isDigit(c) || ((c == '-' || c == '.') && m_pos + 1 < m_text.size() && isDigit(m_text[m_pos + 1])))
            return readNumber(t);
        return readName(t);
    }

private:
    Token readOperator(Token t)
    {
        std::size_t end = m_pos;
        while (end < m_text.size() && isOperatorChar(m_text[end]))
            ++end;
        t.text = m_text.substr(m_pos, end - m_pos);
        static const std::pair<const char*, Node::Op> ops[] = {{"=", Node::Op::Eq}, {"<>", Node::Op::Ne},
                                                               {"<", Node::Op::Lt}, {"<=", Node::Op::Le},
                                                               {">", Node::Op::Gt}, {">=", Node::Op::Ge}};
        for (const auto& [name, op] : ops) {
            if (t.text == name) {
                t.type = Tok::Op;
                t.op = op;
                m_pos = end;
                return t;
            }
        }
        fail(m_pos, "不明な演算子「" + t.text + "」があります。");
    }

    Token readQuoted(Token t, char quote)
    {
        std::string value;
        std::size_t i = m_pos + 1;
        for (;;) {
            if (i >= m_text.size())
                fail(m_pos, std::string("文字列が ") + quote + " で閉じられていません。");
            if (m_text[i] == quote) {
                if (i + 1 < m_text.size() && m_text[i + 1] == quote) {  // doubled: one quote
                    value += quote;
                    i += 2;
                    continue;
                }
                break;
            }
            value += m_text[i++];
        }
        t.type = Tok::Text;
        t.text = m_text.substr(m_pos, i + 1 - m_pos);
        t.value = Value(value);
        m_pos = i + 1;
        return t;
    }

    Token readDate(Token t)
    {
        const std::size_t close = m_text.find('#', m_pos + 1);
        if (close == std::string::npos)
            fail(m_pos, "日付が # で閉じられていません。");
        const std::string inner = m_text.substr(m_pos + 1, close - m_pos - 1);
        auto d = Date::parse(inner);
        if (!d)
            fail(m_pos, "日付「" + inner + "」が正しくありません。");
        t.type = Tok::DateLit;
        t.text = m_text.substr(m_pos, close + 1 - m_pos);
        t.value = Value(*d);
        m_pos = close + 1;
        return t;
    }

    Token readBracketName(Token t)
    {
        const std::size_t close = m_text.find(']', m_pos + 1);
        if (close == std::string::npos)
            fail(m_pos, "項目名が ] で閉じられていません。");
        if (close == m_pos + 1)
            fail(m_pos, "項目名が空です。");
        t.type = Tok::Name;
        t.text = m_text.substr(m_pos + 1, close - m_pos - 1);
        m_pos = close + 1;
        return t;
    }

    Token readNumber(Token t)
    {
        std::size_t end = m_pos + 1;
        while (end < m_text.size() && !endsName(m_text[end]))
            ++end;
        t.text = m_text.substr(m_pos, end - m_pos);
        auto n = numbertext::parse(t.text);
        if (!n || t.text.find(',') != std::string::npos)
            fail(m_pos, "数値「" + t.text + "」が正しくありません。");
        t.type = Tok::Number;
        t.value = n->isWhole ? Value(static_cast<long long>(n->whole)) : Value(n->value);
        m_pos = end;
        return t;
    }

    Token readName(Token t)
    {
        std::size_t end = m_pos;
        while (end < m_text.size() && !endsName(m_text[end]))
            ++end;
        t.text = m_text.substr(m_pos, end - m_pos);
        m_pos = end;
        const std::string upper = upperAscii(t.text);
        if (isKeyword(upper)) {
            t.type = Tok::Keyword;
            t.text = upper;
        } else {
            t.type = Tok::Name;
        }
        return t;
    }

    const std::string& m_text;
    std::size_t m_pos = 0;
};

// ------------------------------------------------------------ parser

// criteria := or ; or := and {OR and} ; and := not {AND not} ; not := NOT not | primary
// primary  := "(" or ")" | operand [ op operand | IS [NOT] NULL | [NOT] LIKE operand ]
class Parser {
public:
    explicit Parser(const std::string& text) : m_lexer(text) { advance(); }

    std::shared_ptr<const Node> parseAll(std::vector<std::string>& fields)
    {
        m_fields = &fields;
        if (m_current.type == Tok::End)
            m_lexer.fail(0, "条件がありません。");
        auto root = parseOr();
        if (m_current.type != Tok::End)
            m_lexer.fail(m_current.pos, "余分な語句「" + m_current.text + "」があります。");
        return root;
    }

private:
    void advance() { m_current = m_lexer.next(); }
    bool atKeyword(const char* word) const { return m_current.type == Tok::Keyword && m_current.text == word; }

    // "a And b And c" as one node of three terms.
    std::shared_ptr<const Node> run(Node::Kind kind, const char* keyword, std::shared_ptr<const Node> (Parser::*term)())
    {
        auto first = (this->*term)();
        if (!atKeyword(keyword))
            return first;
        auto n = std::make_shared<Node>();
        n->kind = kind;
        n->terms.push_back(std::move(first));
        while (atKeyword(keyword)) {
            advance();
            n->terms.push_back((this->*term)());
        }
        return n;
    }

    std::shared_ptr<const Node> parseOr() { return run(Node::Kind::Or, "OR", &Parser::parseAnd); }
    std::shared_ptr<const Node> parseAnd() { return run(Node::Kind::And, "AND", &Parser::parseNot); }

    // Parentheses and Not nest; each level costs the parser (and the check of
    // a row) one level of the stack, so the nesting is limited.
    void enterNesting(std::size_t pos)
    {
        if (++m_nesting > kMaxNesting)
            m_lexer.fail(pos, "括弧や Not の重なりが深すぎます（" + std::to_string(kMaxNesting) + " 段まで）。");
    }

    std::shared_ptr<const Node> parseNot()
    {
        if (atKeyword("NOT")) {
            enterNesting(m_current.pos);
            advance();
            auto n = std::make_shared<Node>();
            n->kind = Node::Kind::Not;
            n->terms.push_back(parseNot());
            --m_nesting;
            return n;
        }
        return parsePrimary();
    }

    std::shared_ptr<const Node> parsePrimary()
    {
        if (m_current.type == Tok::LParen) {
            const std::size_t open = m_current.pos;
            enterNesting(open);
            advance();
            auto inner = parseOr();
            if (m_current.type != Tok::RParen) {
                if (m_current.type == Tok::End)
                    m_lexer.fail(open, "( に対応する ) がありません。");
                m_lexer.fail(m_current.pos, "「" + m_current.text + "」の前に ) がありません。");
            }
            advance();
            --m_nesting;
            return inner;
        }
        auto n = std::make_shared<Node>();
        n->a = parseOperand();
        if (m_current.type == Tok::Op) {
            n->kind = Node::Kind::Compare;
            n->op = m_current.op;
            advance();
            n->b = parseOperand();
        } else if (atKeyword("IS")) {
            advance();
            n->kind = Node::Kind::IsNull;
            if (atKeyword("NOT")) {
                n->negated = true;
                advance();
            }
            if (!atKeyword("NULL"))
                m_lexer.fail(m_current.pos, "Is の後に Null がありません。");
            advance();
        } else if (atKeyword("LIKE") || atKeyword("NOT")) {
            if (atKeyword("NOT")) {
                advance();
                if (!atKeyword("LIKE"))
                    m_lexer.fail(m_current.pos, "Not の後に Like がありません。");
                n->negated = true;
            }
            advance();
            n->kind = Node::Kind::Like;
            n->b = parseOperand();
        } else {
            n->kind = Node::Kind::Truth;
        }
        return n;
    }

    Node::Operand parseOperand()
    {
        Node::Operand o;
        switch (m_current.type) {
        case Tok::Name:
            o.isField = true;
            o.field = m_current.text;
            if (std::find(m_fields->begin(), m_fields->end(), o.field) == m_fields->end())
                m_fields->push_back(o.field);
            break;
        case Tok::Text:
        case Tok::Number:
        case Tok::DateLit: o.literal = m_current.value; break;
        case Tok::Keyword:
            if (m_current.text == "TRUE") {
                o.literal = Value(true);
                break;
            }
            if (m_current.text == "FALSE") {
                o.literal = Value(false);
                break;
            }
            if (m_current.text == "NULL") {
                o.literal = Value();
                break;
            }
            m_lexer.fail(m_current.pos, "「" + m_current.text + "」の前に項目名か値がありません。");
        case Tok::End: m_lexer.fail(m_current.pos, "条件が途中で終わっています。");
        default: m_lexer.fail(m_current.pos, "「" + m_current.text + "」の前に項目名か値がありません。");
        }
        advance();
        return o;
    }

    static constexpr int kMaxNesting = 64;

    Lexer m_lexer;
    Token m_current;
    std::vector<std::string>* m_fields = nullptr;
    int m_nesting = 0;
};

}  // namespace

Criteria Criteria::parse(const std::string& text)
{
    Criteria c;
    Parser parser(text);
    c.m_root = parser.parseAll(c.m_fields);
    return c;
}

bool Criteria::matches(const FieldReader& read) const
{
    return m_root && evaluate(*m_root, read) == Truth::True;
}

const std::vector<std::string>& Criteria::fieldNames() const
{
    return m_fields;
}

}  // namespace dao
