#pragma once

// A practise with a document on it, in a small temporary installation, and the bytes of
// its data file (what a save would write).

#include "PractiseFixture.h"

#include "editing/GraphicDocument.h"
#include "storage/TGraphicPractise.h"

#include <QBuffer>

namespace korvex::test {

class DocumentFixture {
public:
    DocumentFixture()
        : practise(*inst.settings, inst.language),
          document(practise, [](const QString& key) { return key; }) {}

    // Loads a practise file built from `bytes` and starts a fresh history on it.
    void load(const QByteArray& bytes) {
        const QString stem = inst.graphicStem("p");
        writeAll(stem + QStringLiteral(".gmp"), bytes);
        ASSERT_TRUE(practise.Load(stem)) << practise.errorString().toStdString();
        document.resetHistory();
    }

    QByteArray fileBytes() {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(practise.writeTo(&buffer, QStringLiteral("memory")));
        return bytes;
    }

    Installation inst;
    TGraphicPractise practise;
    GraphicDocument document;
};

// Two forwards (7 and 8, overlapping), a free text, a red line, standard rink.
inline QByteArray twoForwardsTextAndLine() {
    return le32(141) + streamStrings({"Drill"}) + streamStrings({"pass"}) + le32(3) +
           figureRecord(0, 100, 100, 0, "7") + figureRecord(1, 105, 100, 0, "8") +
           figureRecord(11, 400, 50, 0, "A long free text") + le32(1) + redLineRecord() +
           bytes({0}) + streamString("Rink") + numberSet({7}) + numberSet({8});
}

} // namespace korvex::test
