#include "KindsKit.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "richtext/WPRichText.h"

KindsForm::KindsForm(bool withMaster)
{
    SetName(QStringLiteral("KindsForm"));
    resize(700, 560);
    page = new TGBasePanel(this, this);
    page->SetName(QStringLiteral("Page"));
    page->setGeometry(0, 0, 700, 560);
    page->LabelChangedEvent = [this](QObject*) { ++changes; };
    if (withMaster) {
        master = new TWPRichText(this);
        master->setObjectName(QStringLiteral("MasterWPRichText"));
        master->hide();
    }
}

bool HavePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QList<PdfWord> PdfWords(const QString& pdfFile)
{
    QList<PdfWord> words;
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfFile, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return words;
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const QPointF topLeft(m.captured(1).toDouble() / 72, m.captured(2).toDouble() / 72);
        const QPointF bottomRight(m.captured(3).toDouble() / 72, m.captured(4).toDouble() / 72);
        words.append({m.captured(5), QRectF(topLeft, bottomRight)});
    }
    return words;
}
