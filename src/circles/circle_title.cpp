#include "circles/circle_title.h"

#include "resources/format.h"
#include "resources/texts_circles.h"

namespace tellmark::circles {

std::string circleTitle(int number, const config::CircleSettings& s) {
    std::string name = s.name;
    name.erase(name.find_last_not_of(' ') + 1);
    if (s.spanYear) {
        return format(text::kFormatTitleSpanYear, number, name.c_str(), s.firstMonth, s.firstYear2, s.lastMonth,
                      s.secondYear2);
    }
    return format(text::kFormatTitleCalendarYear, number, name.c_str(), s.year);
}

}  // namespace tellmark::circles
