#pragma once

#include <QDialog>

// "Copyrights": picture, product name and version, a short description, the maker's site, OK.
class TFrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAbout(QWidget* parent);
    static constexpr const char* kSite = "https://www.corvatek.example/";
};
