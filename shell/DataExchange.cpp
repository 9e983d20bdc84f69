#include "DataExchange.h"

#include <QLineEdit>

#include "QtText.h"

void DataExchange::text(QLineEdit& control, std::u16string& member) const
{
    if (takeIn_)
        member = toU16(control.text());
    else
        control.setText(toQString(member));
}
