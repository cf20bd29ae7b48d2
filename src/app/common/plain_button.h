#pragma once
// A push button that Enter never presses: in every screen Enter belongs to the fields,
// grids and lists, which move on or act on it themselves.
#include <QString>

class QPushButton;
class QWidget;

namespace minori {

QPushButton *plainButton(const QString &caption, QWidget *parent);

} // namespace minori
