#pragma once
#include <QString>
#include <functional>

// The system's two kinds of message box. Every message of the program goes
// through here so that tests can read and answer them.

// An information box captioned "Information" with an OK button.
void ShowInfo(const QString& text);

// An error box captioned "Error" with an error icon and an OK button.
void ShowError(const QString& text);

// A question box with Yes and No; true for Yes.
bool AskYesNo(const QString& text, const QString& caption);

// A message as the user would see it. Texts use "\r" and "\r\n" as line breaks
// (they are shown as line breaks).
struct ShownMessage {
    enum Kind { Information, Question, Error } kind;
    QString text;
    QString caption;
};

// Tests install a handler that receives each message and, for questions,
// returns the answer (true = Yes). An empty handler restores real boxes.
void SetMessageBoxHandlerForTesting(std::function<bool(const ShownMessage&)> handler);
