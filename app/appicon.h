// The program's icon, drawn rather than shipped as a file.
#pragma once

#include <QIcon>
#include <QPixmap>

// The 32 x 32 picture: a ball on a diamond.
QPixmap appPixmap();
QIcon appIcon();
