#include "shell/NotifyIconData.h"

namespace vestrona {

QString cutToField(const QString &text, int maxChars)
{
    if (text.size() <= maxChars)
        return text;
    int end = maxChars;
    if (end > 0 && text.at(end - 1).isHighSurrogate())
        --end;
    return text.left(end);
}

void NotifyIconData::setTip(const QString &text)
{
    szTip = cutToField(text, kTipChars);
}

void NotifyIconData::setInfo(const QString &text)
{
    szInfo = cutToField(text, kInfoChars);
}

void NotifyIconData::setInfoTitle(const QString &text)
{
    szInfoTitle = cutToField(text, kInfoTitleChars);
}

} // namespace vestrona
