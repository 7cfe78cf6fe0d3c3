#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <vector>

namespace korvex::cli {

// Writes indented JSON straight to a stdio stream as it is produced, so that describing a
// file with hundreds of thousands of records never holds the whole document in memory.
// Objects and arrays are opened and closed in order; inside an object every value is
// preceded by key(). The layout matches an indented QJsonDocument: four spaces a level,
// one member or element a line.
class JsonStream {
public:
    explicit JsonStream(std::FILE* out);

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The key of the next value inside an object.
    JsonStream& key(const char* name);

    void value(const QString& text);
    void value(const char* text) { value(QString::fromUtf8(text)); }
    void value(qint64 number);
    void value(int number) { value(qint64(number)); }
    void value(bool flag);
    void value(const QStringList& lines);

    // key(name) followed by value(v).
    template <typename T> void field(const char* name, const T& v) { key(name).value(v); }

    // True while every write reached the stream (after the final newline, once the outermost
    // value is closed).
    bool ok() const;

private:
    struct Level {
        bool array;
        int count;
    };
    void beforeValue();
    void open(char bracket, bool array);
    void close(char bracket);
    void newline();
    void put(const QByteArray& bytes);
    void put(const char* text);

    std::FILE* m_out;
    std::vector<Level> m_levels;
    bool m_keyPending = false;
    QByteArray m_scratch;
};

} // namespace korvex::cli
