#pragma once

#include "content/drawing.h"

#include <QImage>

#include <memory>

namespace content {

// The school's round emblem in dark red, drawn in twips on a square 3197 wide.
std::unique_ptr<Drawing> makeSchoolEmblem();

// The maker's logo: a square colour picture 960 pixels wide.
QImage makeMakerLogo();

} // namespace content
