#pragma once

#include <QLabel>

namespace ui {

// A row's status mark: a ticked box shown normally, an empty box shown greyed,
// or nothing. A screen reader meets it as a check box (see Accessibility.h);
// while it shows a box it is on the Tab path, so that a keyboard user
// reviewing the row hears whether it counted.
class StatusMark : public QLabel {
    Q_OBJECT

public:
    enum class Mark { None, Ticked, Empty };

    explicit StatusMark(QWidget* parent = nullptr);

    void setMark(Mark mark);
    Mark mark() const { return m_mark; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Mark m_mark = Mark::None;
    QPalette m_ticked;
    QPalette m_greyed;
};

}  // namespace ui
