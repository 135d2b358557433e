#pragma once

#include <QGuiApplication>

#include <memory>

namespace veltra::cli {

// The painters need a GUI application for fonts; the offscreen platform
// needs no display. Nothing when an application exists already.
std::unique_ptr<QGuiApplication> offscreenApplication();

} // namespace veltra::cli
