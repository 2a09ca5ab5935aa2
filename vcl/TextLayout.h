// How text and pictures sit in a control's rectangle.
#pragma once

namespace tavrik::vcl {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };
// Docking of a control in its parent's client area: none, or filling it.
enum class TAlign { alNone, alClient };

}  // namespace tavrik::vcl
