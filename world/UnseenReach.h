#ifndef UNSEENREACH_H
#define UNSEENREACH_H

// Where an opponent we have not seen lately may be. The reckoning keeps an
// unseen player where he was last seen; in matches the one coming at our
// carrier from behind, out of sight, was 0.6-1.0 m from him while the
// reckoning had him 1.3-1.9 m off, and every ball held against him was
// lost. So he is taken to have come flat out at us for every cycle unseen,
// up to a few cycles: after that his last place says nothing about him.

// The cycles unseen that count: none for one seen now, never more than a
// few.
int UnseenCyclesCounted(int unseen);

// How near to a point he may be now, last seen `lastDist` from it
// `unseen` cycles ago, running at most `speedMax` a cycle.
float NearestHeMayBe(float lastDist, int unseen, float speedMax);

#endif
