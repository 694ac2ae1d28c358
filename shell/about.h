#pragma once

#include <QWidget>

// About: the title, a picture and the version, closed by "O K".
class about : public QWidget
{
    Q_OBJECT
public:
    static constexpr int OuterHeight = 1700; // twips, title bar and borders included
    explicit about(QWidget *menu);

protected:
    void closeEvent(QCloseEvent *e) override;
};
