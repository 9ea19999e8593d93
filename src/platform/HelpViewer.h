#pragma once
#include <QString>
#include <functional>

// The program's help: HTML pages in the "Help" folder of the program folder,
// one per numbered topic (Help/<number>.html) plus the contents page
// (Help/index.html), shown in one help window.

// The folder the pages are looked up in (ProgramDataFolder() + "Help/").
QString HelpFolder();
// The page file of a topic; topic 0 is the contents.
QString HelpTopicPath(int topic);

void ShowHelpContents();
void ShowHelpTopic(int topic);

// Tests record the topics asked for instead of opening the window
// (0 = contents). An empty function restores the window.
void SetHelpHandlerForTesting(std::function<void(int topic)> handler);
