#pragma once
#include <QByteArray>
#include <QtGlobal>
#include <functional>
#include <memory>

#include "persist/Persistent.h"

class QTextDocument;

// One rich text, held as the RTF bytes it was read or written as. Bytes set
// from outside are kept exactly (a text that nobody edits is written back
// byte for byte); a document set into it is written as RTF.
//
// The parsed form is made once per revision and shared, so that painting an
// unchanged text again never parses it again. Every change takes a new
// revision number, unique in the process.
//
// In the object stream the text is the custom data entry "Data": the RTF
// bytes followed by four zero bytes, written only when the text is not empty.
class TWPRtfText : public TPersistent {
public:
    TWPRtfText();
    explicit TWPRtfText(const QByteArray& rtf);
    TWPRtfText(const TWPRtfText& other);
    TWPRtfText& operator=(const TWPRtfText& other);

    const QByteArray& RtfBytes() const { return rtf_; }
    void SetRtfBytes(const QByteArray& rtf);

    // An editable copy of the text as a document.
    std::unique_ptr<QTextDocument> ToDocument() const;
    // Replaces the text with the document's (an empty document clears it).
    void SetDocument(const QTextDocument& document);

    // The parsed text, made at most once per revision. Callers may lay it out
    // and paint it but never change its content.
    std::shared_ptr<QTextDocument> SharedDocument() const;

    // True when the text has no characters and no pictures (empty paragraphs
    // do not count).
    bool IsEmpty() const;
    // Full replacement by a copy of another text.
    void Assign(const TWPRtfText& other);
    void Clear();

    quint64 Revision() const { return revision_; }

    // Called after every change (setting the same bytes again is none).
    std::function<void()> OnChange;

    // The stream payload and its reading (trailing zero bytes are not part of
    // the text).
    QByteArray StreamData() const;
    void ReadStreamData(const QByteArray& data);

    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    QList<TCustomData> DefineProperties() override;

private:
    void changed();

    QByteArray rtf_;
    quint64 revision_ = 0;
    mutable std::shared_ptr<QTextDocument> parsed_;
    mutable quint64 parsedRevision_ = 0;
};

// Whether a document has any character or picture beyond paragraph breaks.
bool DocumentHasContent(const QTextDocument& document);
