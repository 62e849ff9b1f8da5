# A Debian package built with CPack from the install rules:
#   cpack -G DEB --config <build>/CPackConfig.cmake
# Library dependencies are computed by dpkg-shlibdeps from the binaries.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "tavrik")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Tavrik developers")
set(CPACK_PACKAGE_CONTACT "${TAVRIK_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TAVRIK_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to dpkg-shlibdeps: Qt's display plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Japanese texts of Qt's own dialogs, and a Japanese font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk | fonts-japanese-gothic")

# The synopsis line; CPack puts it before the long description in English and
# in Japanese.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for decimal, hexadecimal, time and date arithmetic")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tavrik is a desktop calculator with a Japanese user interface. It works
in four modes: decimal with tax and function keys, mixed decimal and
hexadecimal, time and date. It keeps a history per mode, four memory
registers, a formula sheet and user-defined functions. The console
program tavrik-cli runs the same engine for scripts.
.
Tavrikは日本語の画面を持つデスクトップ電卓です。10進（税計算・関数キー付き）、
10進と16進の混合、時間、日付の四つのモードで計算でき、モードごとの履歴、
四つのメモリー、数式シート、ユーザー定義関数を備えています。コンソール版の
tavrik-cliは同じ計算エンジンをスクリプトから使えます。")

include(CPack)
