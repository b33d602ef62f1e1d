// The program's icon, drawn rather than shipped as a file.
#pragma once

#include <QIcon>
#include <QPixmap>

// The picture, `size` pixels square (drawn for 32): a ball on a diamond.
QPixmap appPixmap(int size = 32);
QIcon appIcon();
