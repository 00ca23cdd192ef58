#pragma once

#include <QWidget>

// The program's mark in the report's title area: a wave on a badge and the
// program's name, drawn as vectors.
class ReportLogo : public QWidget {
public:
    explicit ReportLogo(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
