#include "ui/graphic/PractiseMemos.h"

#include "editing/GraphicDocument.h"
#include "editing/SetTextsCommand.h"
#include "storage/TGraphicPractise.h"

#include <QPlainTextEdit>

namespace korvex {

namespace {

QStringList linesOf(const QPlainTextEdit* memo) {
    QStringList list = memo->toPlainText().split(QLatin1Char('\n'));
    if (list.size() == 1 && list.first().isEmpty())
        list.clear();
    return list;
}

void showLines(QPlainTextEdit* memo, const QStringList& lines) {
    const QString text = lines.join(QLatin1Char('\n'));
    if (memo->toPlainText() != text)
        memo->setPlainText(text);
}

} // namespace

void PractiseMemos::pushEdit(GraphicDocument& document) const {
    const QStringList text = linesOf(description);
    const QStringList words = linesOf(keywords);
    TGraphicPractise& practise = document.practise();
    if (text == practise.description() && words == practise.keywords())
        return;
    document.push(new SetTextsCommand(document, text, words));
}

void PractiseMemos::show(const GraphicDocument& document) const {
    showLines(description, document.practise().description());
    showLines(keywords, document.practise().keywords());
}

} // namespace korvex
