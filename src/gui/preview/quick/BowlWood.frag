// The wood in its colour, lit plainly (ambient and diffuse, no shine), and
// the glue lines drawn where a point lies within half a line's width of a
// joint. The edge of a line is blurred over one pixel so that thin lines
// neither flicker nor break up while the bowl turns.
VARYING vec4 woodColor;
VARYING vec4 jointDistances;

// What MAIN found, for the light functions, which cannot read BASE_COLOR.
vec3 shownColor;

void MAIN()
{
    vec2 nearer = min(jointDistances.xz, jointDistances.yw);
    float distance = min(nearer.x, nearer.y);
    float blur = fwidth(distance);
    float glue = glueShown * (1.0 - smoothstep(glueHalfWidth - blur, glueHalfWidth + blur, distance));
    shownColor = mix(woodColor.rgb, glueColor, glue);
    BASE_COLOR = vec4(shownColor, 1.0);
}

// The engine's TOTAL_AMBIENT_COLOR comes already multiplied by the base
// colour and the vertex colour, so the ambient light is the material's own.
void AMBIENT_LIGHT()
{
    DIFFUSE += shownColor * ambientLight;
}

void DIRECTIONAL_LIGHT()
{
    DIFFUSE += shownColor * LIGHT_COLOR * SHADOW_CONTRIB
               * vec3(max(0.0, dot(normalize(NORMAL), TO_LIGHT_DIR)));
}

void SPECULAR_LIGHT()
{
}
