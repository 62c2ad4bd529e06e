#pragma once

#include "Controls.h"
#include "Fonts.h"

#include <QRect>

#include <array>
#include <span>
#include <type_traits>

// Windows are built from tables: one row per fixed control, one loop to make them.
namespace tezzle::ui {

enum class Kind : unsigned char {
    Button, // black, single-line border, acts on a click
    Box,    // coloured, single-line border
    Text,   // transparent
};

// A table whose controls the window does not use after building them.
struct NoControls {};

// One control of a window. `Controls` is the struct the building fills with the controls the
// window uses later: a row names its place there in `.button` or `.box`.
template <class Controls> struct ControlRow {
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
    Button* Controls::*button = nullptr; // a Button row's place in `Controls`
    TextBox* Controls::*box = nullptr;   // a Text or Box row's place in `Controls`
};

using ControlDesign = ControlRow<NoControls>;

// A row as it looks, without its place in the window's controls.
template <class Controls> constexpr ControlDesign withoutPlace(const ControlRow<Controls>& row) {
    return {.name = row.name,
            .rect = row.rect,
            .font = row.font,
            .text = row.text,
            .kind = row.kind,
            .caption = row.caption,
            .background = row.background,
            .align = row.align,
            .wrap = row.wrap,
            .size = row.size};
}

Look lookOf(const ControlDesign& design);
template <class Controls> Look lookOf(const ControlRow<Controls>& row) {
    return lookOf(withoutPlace(row));
}

// The control one row made: a button or a text, as the row's kind says.
struct Built {
    Button* button = nullptr;
    TextBox* text = nullptr;
};

// Makes one control as its row says, with its objectName and an accessible name. `context` is
// the translation context of the captions (the window's class name).
Built build(QWidget* parent, const ControlDesign& design, const char* context);
Button* buildButton(QWidget* parent, const ControlDesign& design, const char* context);
TextBox* buildText(QWidget* parent, const ControlDesign& design, const char* context);

void buildAll(QWidget* parent, std::span<const ControlDesign> designs, const char* context);

// Builds the rows in order and hands back the controls they name.
template <class Controls, std::size_t N>
requires(!std::is_same_v<Controls, NoControls>) Controls
    buildAll(QWidget* parent, const std::array<ControlRow<Controls>, N>& rows,
             const char* context) {
    Controls controls{};
    for (const ControlRow<Controls>& row : rows) {
        const Built built = build(parent, withoutPlace(row), context);
        if (row.button != nullptr)
            controls.*row.button = built.button;
        if (row.box != nullptr)
            controls.*row.box = built.text;
    }
    return controls;
}

} // namespace tezzle::ui
