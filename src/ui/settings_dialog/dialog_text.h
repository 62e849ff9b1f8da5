// The dialog's captions, read from the core's UTF-8 texts.
#pragma once

#include <QString>
#include <string_view>

namespace tavrik::ui {

inline QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tavrik::ui
