#pragma once

#include "Controls.h"
#include "Fonts.h"

#include <QRect>

#include <span>

// Windows are built from tables: one row per fixed control, one loop to make them.
namespace tezzle::ui {

enum class Kind : unsigned char {
    Button, // black, single-line border, acts on a click
    Box,    // coloured, single-line border
    Text,   // transparent
};

struct ControlDesign {
    const char* name; // objectName
    QRect rect;       // pixels within the window; a text sized to its caption keeps its left
    FontStyle font;
    Rgb text;
    Kind kind = Kind::Text;
    const char* caption = ""; // the window's own words, translated in the window's context
    Rgb background{};         // a box's colour
    Qt::Alignment align = Qt::AlignCenter;
    bool wrap = false;
    SizeToText size = SizeToText::Off;
};

Look lookOf(const ControlDesign& design);

// Makes one control as its row says, with its objectName and an accessible name. `context` is
// the translation context of the captions (the window's class name).
QWidget* build(QWidget* parent, const ControlDesign& design, const char* context);

void buildAll(QWidget* parent, std::span<const ControlDesign> designs, const char* context);

// A named control of a window, of the kind it was built as.
template <class T> T* control(const QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

} // namespace tezzle::ui
