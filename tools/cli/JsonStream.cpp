#include "cli/JsonStream.h"

namespace korvex::cli {

namespace {

// The JSON form of `text`: quoted, with quotes, backslashes and control characters escaped.
void appendQuoted(QByteArray& out, const QString& text) {
    static const char hex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text.toUtf8()) {
        const auto u = static_cast<unsigned char>(c);
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
            if (u < 0x20) {
                out += "\\u00";
                out += hex[u >> 4];
                out += hex[u & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

} // namespace

JsonStream::JsonStream(std::FILE* out) : m_out(out) {}

void JsonStream::beginObject() {
    open('{', false);
}

void JsonStream::endObject() {
    close('}');
}

void JsonStream::beginArray() {
    open('[', true);
}

void JsonStream::endArray() {
    close(']');
}

JsonStream& JsonStream::key(const char* name) {
    beforeValue();
    m_scratch.clear();
    appendQuoted(m_scratch, QString::fromUtf8(name));
    m_scratch += ": ";
    put(m_scratch);
    m_keyPending = true;
    return *this;
}

void JsonStream::value(const QString& text) {
    beforeValue();
    m_scratch.clear();
    appendQuoted(m_scratch, text);
    put(m_scratch);
}

void JsonStream::value(qint64 number) {
    beforeValue();
    put(QByteArray::number(number));
}

void JsonStream::value(bool flag) {
    beforeValue();
    put(flag ? "true" : "false");
}

void JsonStream::value(const QStringList& lines) {
    beginArray();
    for (const QString& line : lines)
        value(line);
    endArray();
}

bool JsonStream::ok() const {
    return std::ferror(m_out) == 0;
}

void JsonStream::beforeValue() {
    if (m_keyPending) {
        m_keyPending = false;
        return;
    }
    if (m_levels.empty())
        return;
    Level& level = m_levels.back();
    if (level.count++ > 0)
        put(",");
    newline();
}

void JsonStream::open(char bracket, bool array) {
    beforeValue();
    const char text[2] = {bracket, '\0'};
    put(text);
    m_levels.push_back({array, 0});
}

void JsonStream::close(char bracket) {
    const bool empty = m_levels.back().count == 0;
    m_levels.pop_back();
    if (!empty)
        newline();
    const char text[2] = {bracket, '\0'};
    put(text);
    if (m_levels.empty()) {
        put("\n");
        std::fflush(m_out);
    }
}

void JsonStream::newline() {
    put("\n");
    for (size_t i = 0; i < m_levels.size(); ++i)
        put("    ");
}

void JsonStream::put(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_out);
}

void JsonStream::put(const char* text) {
    std::fputs(text, m_out);
}

} // namespace korvex::cli
