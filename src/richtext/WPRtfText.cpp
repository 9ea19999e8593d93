#include "richtext/WPRtfText.h"

#include <QAtomicInteger>
#include <QTextDocument>

#include "persist/ClassInfo.h"
#include "richtext/PictureHandler.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

namespace {
quint64 nextRevision()
{
    static QAtomicInteger<quint64> counter;
    return counter.fetchAndAddRelaxed(1) + 1;
}

constexpr int kTrailingZeroBytes = 4;
} // namespace

bool DocumentHasContent(const QTextDocument& document)
{
    // Each paragraph counts one separator; anything beyond them is content.
    return document.characterCount() > document.blockCount();
}

TWPRtfText::TWPRtfText() : revision_(nextRevision()) {}

TWPRtfText::TWPRtfText(const QByteArray& rtf) : rtf_(rtf), revision_(nextRevision()) {}

TWPRtfText::TWPRtfText(const TWPRtfText& other)
    : TPersistent(), rtf_(other.rtf_), revision_(other.revision_), parsed_(other.parsed_),
      parsedRevision_(other.parsedRevision_)
{
}

TWPRtfText& TWPRtfText::operator=(const TWPRtfText& other)
{
    Assign(other);
    return *this;
}

void TWPRtfText::Assign(const TWPRtfText& other)
{
    if (this == &other)
        return;
    rtf_ = other.rtf_;
    // The copy shares the parsed form: same bytes, same document.
    revision_ = other.revision_;
    parsed_ = other.parsed_;
    parsedRevision_ = other.parsedRevision_;
    if (OnChange)
        OnChange();
}

void TWPRtfText::SetRtfBytes(const QByteArray& rtf)
{
    // The same bytes again (an untouched text saved back) change nothing and
    // keep the parsed form.
    if (rtf == rtf_)
        return;
    rtf_ = rtf;
    changed();
}

void TWPRtfText::SetDocument(const QTextDocument& document)
{
    SetRtfBytes(DocumentHasContent(document) ? TRtfWriter::Write(document) : QByteArray());
}

void TWPRtfText::Clear()
{
    SetRtfBytes(QByteArray());
}

void TWPRtfText::changed()
{
    revision_ = nextRevision();
    parsed_.reset();
    if (OnChange)
        OnChange();
}

std::shared_ptr<QTextDocument> TWPRtfText::SharedDocument() const
{
    if (!parsed_ || parsedRevision_ != revision_) {
        parsed_ = std::shared_ptr<QTextDocument>(TRtfReader::Read(rtf_).release());
        parsedRevision_ = revision_;
    }
    return parsed_;
}

std::unique_ptr<QTextDocument> TWPRtfText::ToDocument() const
{
    const std::shared_ptr<QTextDocument> parsed = SharedDocument();
    std::unique_ptr<QTextDocument> copy(parsed->clone());
    copy->setDocumentMargin(0);
    TPictureHandler::Install(*copy);
    copy->setModified(false);
    return copy;
}

bool TWPRtfText::IsEmpty() const
{
    return rtf_.isEmpty() || !DocumentHasContent(*SharedDocument());
}

QByteArray TWPRtfText::StreamData() const
{
    QByteArray data = rtf_;
    data.append(kTrailingZeroBytes, '\0');
    return data;
}

void TWPRtfText::ReadStreamData(const QByteArray& data)
{
    qsizetype size = data.size();
    while (size > 0 && data.at(size - 1) == '\0')
        --size;
    SetRtfBytes(data.left(size));
}

const TClassInfo& TWPRtfText::StaticClassInfo()
{
    static const TClassInfo info = TClassInfoBuilder<TWPRtfText>("TWPRtfText").build();
    return info;
}

QList<TCustomData> TWPRtfText::DefineProperties()
{
    TCustomData data;
    data.name = "Data";
    data.hasData = [this] { return !IsEmpty(); };
    data.write = [this] { return StreamData(); };
    data.read = [this](const QByteArray& bytes) { ReadStreamData(bytes); };
    return {data};
}
