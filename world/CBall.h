#ifndef CBALL_H
#define CBALL_H

// The ball as the world model knows it. Only the type is needed so far: the
// world model's own work gives it its fields.
class CBall
{
};

#endif
