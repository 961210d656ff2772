#include "Clock.h"

namespace {

std::function<QDateTime()>& testSource()
{
    static std::function<QDateTime()> source;
    return source;
}

} // namespace

namespace platform {

QDateTime now()
{
    const auto& source = testSource();
    return source ? source() : QDateTime::currentDateTime();
}

void setNowForTests(std::function<QDateTime()> source)
{
    testSource() = std::move(source);
}

} // namespace platform
