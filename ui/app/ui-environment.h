#pragma once

#include <QTranslator>

#include <memory>

// The agent's look and language, set up in two phases around the
// single-instance check.

// Images, style sheets, language map, translator, interface strings and
// font. The translator is returned to start-up, which keeps it until the
// event loop has ended: interface strings are translated at every lookup.
std::unique_ptr<QTranslator> prepareUiEnvironment();

// The translation and font of one language code ("enu", "ger", ...), as the
// first phase installs them; the translator stays installed while it lives.
std::unique_ptr<QTranslator> installUiLanguage(const QString &language);

// The library's "ok" caption and the window icon; only for the instance that
// goes on to show its window.
void completeUiEnvironment();
