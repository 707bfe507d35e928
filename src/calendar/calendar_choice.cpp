#include "calendar/calendar_choice.h"

SpanishTime TimeOfChoice(const CalendarChoice& choice) {
    return choice.Region.Key == "canarias" ? SpanishTime::Canary : SpanishTime::Peninsular;
}
