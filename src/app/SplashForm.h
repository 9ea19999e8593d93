#pragma once
// TSplashform: the About box, with the program's picture and version.
#include <QDialog>

class TSplashform : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* VersionText = "Version 3.1d";

    explicit TSplashform(QWidget* parent = nullptr);
};
