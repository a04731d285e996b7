#ifndef MCSQUADSOLUTION_H
#define MCSQUADSOLUTION_H

// The real roots of a quadratic, as the circles use it to cross lines.
class MCSQuadSolution
{
public:
    MCSQuadSolution() : count(0), root1(0), root2(0) {}

    // Solves a*t*t + b*t + c = 0 for a != 0 and returns the number of roots.
    // A discriminant within the shapes' tolerance of zero counts as one root;
    // with a > 0, root2 is the smaller of two.
    int SolveQuadratic(double a, double b, double c);

    int count;
    double root1;
    double root2;
};

#endif
