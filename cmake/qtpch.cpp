// SPDX-License-Identifier: GPL-3.0-or-later
// The translation unit that compiles the shared precompiled header of Qt's widget headers.
