// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine's functions as JavaScript sees them: strings in, strings (JSON) out.

#include "engine.h"

#include <emscripten/bind.h>
#include <string>

namespace {

QString qstring(const std::string &s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

std::string catalogue()
{
    return unitavo::web::catalogueJson().toStdString();
}

std::string setLanguage(const std::string &tag)
{
    return unitavo::web::setLanguage(qstring(tag)).toStdString();
}

std::string press(const std::string &window, const std::string &source, const std::string &target,
    const std::string &boxes)
{
    return unitavo::web::pressJson(
        qstring(window), qstring(source), qstring(target), QByteArray::fromStdString(boxes))
        .toStdString();
}

std::string resolve(const std::string &value, const std::string &from, const std::string &to,
    const std::string &quantity)
{
    return unitavo::web::resolveJson(qstring(value), qstring(from), qstring(to), qstring(quantity))
        .toStdString();
}

std::string request(const std::string &quantity, const std::string &conversion)
{
    return unitavo::web::requestJson(qstring(quantity), QByteArray::fromStdString(conversion))
        .toStdString();
}

} // namespace

EMSCRIPTEN_BINDINGS(unitavo)
{
    emscripten::function("catalogue", &catalogue);
    emscripten::function("setLanguage", &setLanguage);
    emscripten::function("press", &press);
    emscripten::function("resolve", &resolve);
    emscripten::function("request", &request);
}
