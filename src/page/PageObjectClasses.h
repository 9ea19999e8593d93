#pragma once
// The page-object classes a calendar page can hold, by the names documents and
// the object clipboard store them under.
//
// The kinds live in a later layer. Each announces its class table here once at
// program start (InstallPageObjectKinds, objects/kinds/PageObjectKinds.h), and
// every calendar page registers the announced classes with the object stream
// when it is constructed. A class that was never announced stays unregistered:
// records of it fail to read with "Class <name> not found".
#include <QByteArray>
#include <QList>

class TClassInfo;

// TGImage, TGPRichBaseLabel, TGSuperText, TGPLabel, TGFlatCalendar.
const QList<QByteArray>& PageObjectClassNames();

// A kind's class table; names outside PageObjectClassNames() are ignored.
// Announcing a class again has no effect.
void AnnouncePageObjectClass(const TClassInfo& info);

// Registers every announced page-object class with the object stream
// (registering again has no effect). Run by each calendar page's constructor.
void RegisterPageObjectClasses();
