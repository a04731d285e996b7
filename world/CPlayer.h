#ifndef CPLAYER_H
#define CPLAYER_H

// A player as the world model knows it. Only the type is needed so far: the
// world model's own work gives it its fields.
class CPlayer
{
};

#endif
