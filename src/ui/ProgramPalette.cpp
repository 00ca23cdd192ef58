#include "ui/ProgramPalette.h"

#include <QApplication>

namespace ui {

QPalette programPalette()
{
    const QColor face(240, 240, 240);
    // Qt derives the bevel shades from the button face.
    QPalette palette(face);
    // Greyed, yet readable on the button face and on the light grey fields.
    const QColor greyedText(85, 85, 85);
    const QColor selection(0, 99, 177);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, disabled ? greyedText : QColor(Qt::black));
        palette.setColor(group, QPalette::Window, face);
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::Base, disabled ? face : QColor(Qt::white));
        palette.setColor(group, QPalette::AlternateBase, QColor(247, 247, 247));
        palette.setColor(group, QPalette::Highlight, disabled ? greyedText : selection);
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        palette.setColor(group, QPalette::BrightText, Qt::white);
        palette.setColor(group, QPalette::PlaceholderText, greyedText);
        palette.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        palette.setColor(group, QPalette::ToolTipText, Qt::black);
        palette.setColor(group, QPalette::Link, QColor(0, 0, 238));
        palette.setColor(group, QPalette::LinkVisited, QColor(85, 26, 139));
    }
    return palette;
}

void applyProgramPalette()
{
    QApplication::setPalette(programPalette());
}

}  // namespace ui
