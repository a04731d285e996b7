#include "MOPosition.h"

MCString MOPosition::Display() const
{
    if (error == 0)
        return point.Display();
    return "ERR(" + MCString(error) + ")," + point.Display();
}
