// Hands the wood's colour and the distances to its joints on to the
// fragments, interpolated across every triangle.
VARYING vec4 woodColor;
VARYING vec4 jointDistances;

void MAIN()
{
    woodColor = COLOR;
    jointDistances = vec4(UV0, UV1);
}
