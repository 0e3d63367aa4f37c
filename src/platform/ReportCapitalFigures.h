#pragma once

#include "data/Money.h"

#include <QString>

// An amount in Chinese capital figures as written on vouchers: 12000 → "壹万贰仟元整",
// 100000.50 → "壹拾万元零伍角整", 0.05 → "伍分", 0 → "零元整". A negative amount starts with
// "负".
QString ChineseCapitalAmount(Money amount);
