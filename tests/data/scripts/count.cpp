#define LIMIT 10
int count = 0;
{
  for (i = 0; i < LIMIT; i++) { count += i; }
  switch (count) { case 1: count = 2; default: count = 3; }
}
