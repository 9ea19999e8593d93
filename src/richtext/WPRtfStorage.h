#pragma once
#include "persist/Component.h"
#include "richtext/WPRtfText.h"

// A component holding one rich text in its published property RtfText; in
// the object stream its record carries at most the entry "RtfText.Data".
// Owned like any component: created with an owner, freed with it.
class TWPRtfStorage : public TComponent {
public:
    explicit TWPRtfStorage(TComponent* owner = nullptr);

    const TWPRtfText& RtfText() const { return text_; }
    TWPRtfText& RtfText() { return text_; }
    // Copies the text (full replacement).
    void SetRtfText(const TWPRtfText& text) { text_.Assign(text); }
    TWPRtfText* RtfTextObject() { return &text_; }

    bool IsEmpty() const { return text_.IsEmpty(); }
    void Assign(const TWPRtfStorage& other) { text_.Assign(other.text_); }
    void Clear() { text_.Clear(); }
    quint64 Revision() const { return text_.Revision(); }

    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

private:
    TWPRtfText text_;
};
