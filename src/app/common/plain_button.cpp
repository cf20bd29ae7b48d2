#include "plain_button.h"

#include <QPushButton>

namespace minori {

QPushButton *plainButton(const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

} // namespace minori
